#include <memory>

#include "design/class_decl.h"
#include "design/implicit.h"
#include "editor/setform.h"

namespace editor {

namespace {
design::DeclarationSlot g_declaration;

std::vector<fw::MemberRecord> OwnOperations() {
  std::vector<fw::MemberRecord> own = {
      {"Layout", "()"},
      {"CreateControls", "()"},
      {"_CreateControls0", "()", true, true},
      {"_CreateControls1", "()", true, true},
  };
  const std::pair<const char*, const char*> getters[] = {
      {"Rectangle1", "Rectangle"},    {"StaticText1", "Label"},
      {"GroupBox1", "GroupBox"},      {"CheckBox1", "CheckBox"},
      {"CheckBox2", "CheckBox"},      {"CheckBox3", "CheckBox"},
      {"CheckBox4", "CheckBox"},      {"StaticText9", "Label"},
      {"Slider4", "Slider"},          {"StaticText8", "Label"},
      {"Slider3", "Slider"},          {"StaticText6", "Label"},
      {"Slider1", "Slider"},          {"StaticText7", "Label"},
      {"Slider2", "Slider"},          {"PushButton1", "PushButton"},
      {"PushButton2", "PushButton"},  {"PushButton3", "PushButton"},
      {"PushButton4", "PushButton"},  {"PushButton5", "PushButton"},
      {"PushButton6", "PushButton"},  {"PushButton7", "PushButton"},
      {"PushButton8", "PushButton"},  {"PushButton9", "PushButton"},
      {"PushButton10", "PushButton"}, {"PushButton11", "PushButton"},
      {"PushButton12", "PushButton"}, {"PushButton13", "PushButton"},
      {"PushButton15", "PushButton"}, {"PushButton16", "PushButton"},
      {"PushButton18", "PushButton"}, {"PopupMenu1", "PopupMenu"},
      {"PopupMenu2", "PopupMenu"},    {"PopupMenu3", "PopupMenu"},
      {"PopupMenu4", "PopupMenu"},    {"PopupMenu5", "PopupMenu"},
      {"PopupMenu6", "PopupMenu"},    {"PopupMenu7", "PopupMenu"},
      {"PopupMenu8", "PopupMenu"},    {"PushButton20", "PushButton"},
      {"StaticText2", "Label"},       {"StaticText3", "Label"},
      {"StaticText4", "Label"},       {"StaticText5", "Label"},
      {"StaticText10", "Label"},      {"Separator1", "Separator"},
  };
  for (const auto& [name, type] : getters)
    own.push_back({name, std::string("() As ") + type});
  for (fw::MemberRecord handler : std::initializer_list<fw::MemberRecord>{
           {"StaticText1_MouseMove", "( Label, Int32, Int32 )"},
           {"Event_Open", "()"},
           {"Event_MouseDown", "( Int32, Int32 ) as Boolean"},
           {"SelBtn", "()"},
           {"SelItem", "()"},
           {"Revert", "()"},
           {"SetListIndex", "()"},
           {"Dflt", "()"},
           {"ErrEnd", "()"},
       }) {
    own.push_back(std::move(handler));
  }
  return own;
}
}  // namespace

void Setform::ctblinit() {
  g_declaration.Build([] {
    fw::ClassInfo declaration =
        design::DeclareClass("Setform.Setform", fw::WindowClass(), OwnOperations());
    declaration.events.Layout = [](fw::Window& w) { fw::Cast<Setform>(w).Layout(); };
    declaration.events.CreateControls = [](fw::Window& w) {
      fw::Cast<Setform>(w).CreateControls();
    };
    declaration.events.Open = [](fw::Window& w) { fw::Cast<Setform>(w).Event_Open(); };
    declaration.events.MouseDown = [](fw::Window& w, Int32 x, Int32 y) {
      return fw::Cast<Setform>(w).Event_MouseDown(x, y);
    };
    declaration.newWindow = [] { return fw::CreateWindowObject<Setform>(g_declaration.Get()); };
    return declaration;
  });
}

const fw::ClassInfo& Setform::Lookup() {
  ctblinit();
  return g_declaration.Get();
}

std::shared_ptr<class Setform> Setform() {
  return design::ImplicitInstanceOf<class Setform>(Setform::Lookup());
}

}  // namespace editor
