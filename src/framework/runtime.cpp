#include "framework/runtime.h"

#include <iostream>

#include "framework/class_info.h"
#include "framework/event_loop.h"
#include "framework/menu.h"
#include "framework/run_state.h"

namespace fw {

namespace {
RunState::Course& State() {
  return CurrentRun().course;
}

void CallStartup(void* routine) {
  reinterpret_cast<void (*)()>(routine)();
}
}  // namespace

bool EventsDelivered() {
  return !State().quit;
}

Application::Application() {
  if (PeerFactory* factory = ActivePeerFactory()) SetPeer(factory->CreateApplicationPeer(*this));
}

void Application::SetMenuBar(std::shared_ptr<MenuBar> bar) {
  menu_bar_ = std::move(bar);
  Changed(Prop::MenuBar, menu_bar_ ? menu_bar_->Name() : std::string());
}

void RuntimeInit() {
  RunState& run = CurrentRun();
  run.course = RunState::Course{};
  run.application.reset();
}

void InitializeFrameworkClasses() {
  for (const ClassInfo* info : {&ObjectClass(), &WindowClass(), &ApplicationClass(), &TimerClass(),
                                &MenuItemClass(), &MenuBarClass()}) {
    MakeClassKnown(*info);
  }
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  State().helper = helper;
}

void RunFrameworkInitialization(void (*startup)()) {
  void* routine = reinterpret_cast<void*>(startup);
  if (State().helper == nullptr) {
    CallStartup(routine);
    return;
  }
  if (std::exception_ptr error = State().helper(&CallStartup, routine)) {
    std::rethrow_exception(error);
  }
}

void RuntimeInitExternalClasses() {}
void InitPluginEntrypoints() {}

void RuntimeRegisterAppObject(std::shared_ptr<Application> application) {
  CurrentRun().application = std::move(application);
}

Application* TheApplication() {
  return CurrentRun().application.get();
}

void RuntimeRun() {
  if (State().quit) return;
  Loop().Run();
}

void UnhandledException(std::exception_ptr exception) {
  std::string what = "unknown exception";
  try {
    if (exception) std::rethrow_exception(exception);
  } catch (const std::exception& e) {
    what = e.what();
  } catch (...) {
  }
  State().unhandled = true;
  State().last_unhandled = what;
  std::cerr << "Unhandled exception: " << what << std::endl;
}

Int32 RuntimeExit() {
  const RunState::Course& state = State();
  Int32 status = state.unhandled ? 1 : state.exit_code;
  CurrentRun().application.reset();
  return status;
}

void Quit(Int32 code) {
  RunState::Course& state = State();
  if (!state.quit) state.exit_code = code;
  state.quit = true;
  Loop().Quit();
}

bool QuitRequested() {
  return State().quit;
}

const std::string& LastUnhandledException() {
  return State().last_unhandled;
}

}  // namespace fw
