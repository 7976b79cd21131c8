#include <memory>

#include "design/class_decl.h"
#include "design/implicit.h"
#include "readout/startform.h"

namespace readout {

namespace {
design::DeclarationSlot g_declaration;
design::DeclarationSlot g_timer_declaration;

fw::MemberRecord Getter(const char* name, const char* type) {
  return {name, std::string("() As ") + type};
}
}  // namespace

void Startform::ctblinit() {
  g_declaration.Build([] {
    fw::ClassInfo declaration = design::DeclareClass(
        "Startform.Startform", fw::WindowClass(),
        {
            {"Layout", "()"},
            {"CreateControls", "()"},
            {"_CreateControls0", "()", true, true},
            Getter("PushButton1", "PushButton"),
            Getter("PushButton2", "PushButton"),
            Getter("StaticText1", "Label"),
            Getter("ImageWell1", "ImageWell"),
            Getter("Rectangle1", "Rectangle"),
            Getter("ProgressBar1", "ProgressBar"),
            Getter("StaticText3", "Label"),
            Getter("Timer1", "Timer"),
            Getter("StaticText2", "Label"),
            {"PushButton1_MouseMove", "( PushButton, Int32, Int32 )"},
            {"PushButton1_Action", "( PushButton )"},
            {"PushButton1_MouseDown", "( PushButton, Int32, Int32 ) as Boolean"},
            {"PushButton2_Action", "( PushButton )"},
            {"Timer1_Action", "( Timer )"},
            {"Event_Open", "()"},
        });
    declaration.events.Layout = [](fw::Window& w) { fw::Cast<Startform>(w).Layout(); };
    declaration.events.CreateControls = [](fw::Window& w) {
      fw::Cast<Startform>(w).CreateControls();
    };
    declaration.events.Open = [](fw::Window& w) { fw::Cast<Startform>(w).Event_Open(); };
    declaration.newWindow = [] { return fw::CreateWindowObject<Startform>(g_declaration.Get()); };
    return declaration;
  });
}

const fw::ClassInfo& Startform::Lookup() {
  ctblinit();
  return g_declaration.Get();
}

void StartformTimer1::ctblinit() {
  g_timer_declaration.Build(
      [] { return design::DeclareClass("Startform.Timer1", fw::TimerClass(), {}); });
}

const fw::ClassInfo& StartformTimer1::Lookup() {
  ctblinit();
  return g_timer_declaration.Get();
}

std::shared_ptr<class Startform> Startform() {
  return design::ImplicitInstanceOf<class Startform>(Startform::Lookup());
}

}  // namespace readout
