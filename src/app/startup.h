#pragma once

#include <exception>

#include "framework/framework.h"

// The program's course from process start to exit.
namespace app {

// The whole run; its result is the process exit status.
fw::Int32 main();

// Module initialisation: makes every class known and gives the settings model its values.
void initialize();
// Installs the exception routine, hands Startup to the framework and runs the event loop;
// an exception leaving any of that goes to the framework's report.
void Main();
// Run once by the framework during its initialisation.
void Startup();
void InitFileTypes();
// Creates the application object with its menu bar and registers it.
void NewAppInstance();
void ApplicationAddMenuHandlers();
// Creates the start window.
void MakeDefaultView();
// Module finalisation: the framework's windows, the menu bar, the settings arrays.
void finalize();

// Calls `routine(argument)` for the framework; gives the RuntimeException (or subclass) that
// left it, or nullptr. Any other exception passes on.
std::exception_ptr CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument);

}  // namespace app
