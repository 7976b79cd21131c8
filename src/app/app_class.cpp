#include "app/app_class.h"

#include <memory>

#include "design/class_decl.h"

namespace app {

namespace {
design::DeclarationSlot g_declaration;
}  // namespace

void App::ctblinit() {
  g_declaration.Build([] {
    return design::DeclareClass("App", fw::ApplicationClass(), {{"Constructor", "()"}});
  });
}

const fw::ClassInfo& App::Lookup() {
  ctblinit();
  return g_declaration.Get();
}

}  // namespace app
