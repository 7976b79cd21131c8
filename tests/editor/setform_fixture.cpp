#include "editor/setform_fixture.h"

#include "design/implicit.h"
#include "model/module1.h"

namespace editortest {

namespace {

// A start window with no controls: the settings window only hides it.
const fw::ClassInfo& StandInStartformClass() {
  static const fw::ClassInfo info = [] {
    fw::ClassInfo declared = fw::DeriveClass(kStartform, fw::WindowClass());
    declared.events.Layout = [](fw::Window& w) { w.SetVisible(true); };
    declared.newWindow = [] { return fw::CreateWindowObject<fw::Window>(StandInStartformClass()); };
    return declared;
  }();
  return info;
}

}  // namespace

void SetformTest::SetUp() {
  HeadlessTest::SetUp();
  fw::MakeClassKnown(SetformWindow::Lookup());
  fw::MakeClassKnown(StandInStartformClass());
  start = design::ImplicitInstance(kStartform);
}

std::shared_ptr<SetformWindow> SetformTest::OpenSettings() {
  form = std::static_pointer_cast<SetformWindow>(design::ImplicitInstance(kSetform));
  return form;
}

void SetformTest::Move(const testsupport::Positions& positions) {
  testsupport::MoveOver(*form->StaticText1(), positions);
}

void SetformTest::ShortPresses(int n) {
  for (int k = 0; k < n; ++k)
    ShortPress();
}

void SetformTest::LongPresses(int n) {
  for (int k = 0; k < n; ++k)
    LongPress();
}

std::map<std::string, std::string> SetformTest::Marks() const {
  std::map<std::string, std::string> marks;
  for (const auto& control : form->Controls()) {
    auto* button = dynamic_cast<const fw::PushButton*>(control.get());
    if (button == nullptr) continue;
    std::string mark = std::string(button->Default() ? "D" : "") + (button->Bold() ? "B" : "") +
                       (button->Underline() ? "U" : "");
    if (!mark.empty()) marks[control->RegisteredName()] = mark;
  }
  return marks;
}

std::vector<std::string> SetformTest::Enabled(const std::vector<std::string>& names) const {
  std::vector<std::string> enabled;
  for (const std::string& name : names) {
    if (form->Get<fw::RectControl>(name)->Enabled()) enabled.push_back(name);
  }
  return enabled;
}

const std::vector<std::string>& DisabledOnOpen() {
  static const std::vector<std::string> names = {
      "PushButton20", "PushButton15", "PushButton16", "PushButton18", "PopupMenu1",
      "PopupMenu2",   "PopupMenu3",   "PopupMenu4",   "PopupMenu5",   "PopupMenu6",
      "PopupMenu7",   "PopupMenu8",   "Slider1",      "StaticText2",  "Slider2",
      "StaticText3",  "Slider3",      "StaticText4",  "Slider4",      "StaticText5"};
  return names;
}

}  // namespace editortest
