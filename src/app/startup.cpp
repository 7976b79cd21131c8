#include <memory>

#include "app/app_class.h"
#include "app/menu_bar1.h"
#include "app/startup.h"
#include "readout/startform.h"

namespace app {

void Startup() {
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
}

// The program declares no file types.
void InitFileTypes() {}

void NewAppInstance() {
  App::Lookup();
  auto application = std::make_shared<App>();
  application->Constructor();
  // The menu bar is in place before the application object is registered.
  application->SetMenuBar(MenuBar1());
  fw::RuntimeRegisterAppObject(std::move(application));
}

// The program adds no menu handlers.
void ApplicationAddMenuHandlers() {}

void MakeDefaultView() {
  // The first reference builds and opens the start window; its design makes it visible.
  readout::Startform();
}

}  // namespace app
