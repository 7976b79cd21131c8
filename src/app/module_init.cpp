#include "app/app_class.h"
#include "app/menu_bar1.h"
#include "app/startup.h"
#include "design/menu_bar.h"
#include "editor/setform.h"
#include "model/module1.h"
#include "readout/startform.h"

namespace app {

namespace {
std::shared_ptr<fw::MenuBar> ApplicationMenuBar() {
  return MenuBar1();
}
}  // namespace

void initialize() {
  fw::InitializeFrameworkClasses();
  App::ctblinit();
  readout::Startform::ctblinit();
  readout::StartformTimer1::ctblinit();
  MenuBar1::ctblinit();
  // The start window attaches the menu bar through this accessor.
  design::InstallMenuBarAccessor(&ApplicationMenuBar);
  Module1::initialize();
  editor::Setform::ctblinit();
}

void finalize() {
  fw::ReleaseWindows();
  MenuBar1::_implicitInstance.Exit();
  Module1::finalize();
}

}  // namespace app
