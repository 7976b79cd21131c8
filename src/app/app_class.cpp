#include "app/app_class.h"

#include <memory>

#include "design/class_decl.h"

namespace app {

namespace {
std::unique_ptr<fw::ClassInfo>& Declaration() {
  static std::unique_ptr<fw::ClassInfo> declaration;
  return declaration;
}
}  // namespace

void App::ctblinit() {
  if (Declaration()) return;
  Declaration() = std::make_unique<fw::ClassInfo>(
      design::DeclareClass("App", fw::ApplicationClass(), {{"Constructor", "()"}}));
  fw::MakeClassKnown(*Declaration());
}

const fw::ClassInfo& App::Lookup() {
  ctblinit();
  return *Declaration();
}

}  // namespace app
