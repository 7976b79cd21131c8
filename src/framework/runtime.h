#pragma once

#include <exception>
#include <memory>
#include <string>

#include "framework/object.h"

namespace fw {

class MenuBar;

// The base of the application class.
class Application : public Object {
 public:
  Application();
  ~Application() override = default;

  void Constructor() {}

  const std::shared_ptr<MenuBar>& GetMenuBar() const { return menu_bar_; }
  void SetMenuBar(std::shared_ptr<MenuBar> bar);

 private:
  std::shared_ptr<MenuBar> menu_bar_;
};

// The course of a run, in the order the start-up calls it.
void RuntimeInit();
void InitializeFrameworkClasses();
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// Runs the start-up routine once, through the exception helper if one is set; an exception
// it gives back is raised again here.
void RunFrameworkInitialization(void (*startup)());
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
void RuntimeRegisterAppObject(std::shared_ptr<Application> application);
// Runs the event loop until the application quits.
void RuntimeRun();
// The report of an exception that nothing caught: written to standard error. A run that
// reported one exits with status 1.
void UnhandledException(std::exception_ptr exception);
// The shut-down; gives the process exit status: the code passed to Quit, or 1 after an
// unhandled exception.
Int32 RuntimeExit();

// The registered application object, or nullptr.
Application* TheApplication();

// Asks the application to end. Quit returns to its caller, so the running handler finishes;
// no event reaches a handler after it, and the loop returns.
void Quit(Int32 code = 0);
bool QuitRequested();

// What the last unhandled-exception report said ("" if none).
const std::string& LastUnhandledException();

}  // namespace fw
