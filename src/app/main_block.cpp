#include "app/startup.h"

namespace app {

std::exception_ptr CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument) {
  try {
    routine(argument);
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void Main() {
  try {
    fw::RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
    fw::RunFrameworkInitialization(&Startup);
    fw::RuntimeRun();
  } catch (...) {
    // Reported, and the course goes on with finalisation and exit.
    fw::UnhandledException(std::current_exception());
  }
}

}  // namespace app
