#include <memory>
#include <span>
#include <string>

#include "design/property_list.h"
#include "editor/setform.h"
#include "editor/setform_design.h"

namespace editor {

namespace {
using Kind = SetformControl::Kind;

// A new control of class T, constructed and registered under its name. Every later step
// fetches it back by name.
template <class T>
void NewControl(fw::Window& window, const std::string& name) {
  std::unique_ptr<T> control = window.New<T>();
  control->Constructor();
  window.AddControl(name, std::move(control));
}

void NewOfKind(fw::Window& window, const SetformControl& row) {
  switch (row.kind) {
    case Kind::Rectangle:
      return NewControl<fw::Rectangle>(window, row.name);
    case Kind::Label:
      return NewControl<fw::Label>(window, row.name);
    case Kind::GroupBox:
      return NewControl<fw::GroupBox>(window, row.name);
    case Kind::CheckBox:
      return NewControl<fw::CheckBox>(window, row.name);
    case Kind::Slider:
      return NewControl<fw::Slider>(window, row.name);
    case Kind::PushButton:
      return NewControl<fw::PushButton>(window, row.name);
    case Kind::PopupMenu:
      return NewControl<fw::PopupMenu>(window, row.name);
    case Kind::Separator:
      return NewControl<fw::Separator>(window, row.name);
  }
  throw fw::RuntimeException("no control class for " + row.name);
}

// The controls that draw text get the font-size unit 0 before their list.
bool HasTextUnit(Kind kind) {
  return kind != Kind::Rectangle && kind != Kind::Slider && kind != Kind::Separator;
}

void Create(fw::Window& window, const SetformControl& row) {
  NewOfKind(window, row);
  if (HasTextUnit(row.kind)) window.Get<fw::TextControl>(row.name)->SetTextUnit(0);
  design::SetProperties(*window.Get<fw::Control>(row.name), row.list);
}
}  // namespace

void Setform::Layout() {
  design::SetProperties(*this, SetformWindowList());
}

void Setform::CreateControls() {
  CreateControls0();
  CreateControls1();
}

void Setform::CreateControls0() {
  std::span<const SetformControl> rows(SetformControls());
  for (const SetformControl& row : rows.first(kControlsOfCreateControls0)) {
    Create(*this, row);
    // The window's one binding, right after the description panel's list.
    if (row.name == "StaticText1") {
      StaticText1()->MouseMove.Bind(
          "( Label, Int32, Int32 )",
          fw::MakeDelegate(std::static_pointer_cast<Setform>(shared_from_this()),
                           &Setform::StaticText1_MouseMove));
    }
  }
}

void Setform::CreateControls1() {
  std::span<const SetformControl> rows(SetformControls());
  for (const SetformControl& row : rows.subspan(kControlsOfCreateControls0)) {
    Create(*this, row);
  }
}

}  // namespace editor
