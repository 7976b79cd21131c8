#include <QtGlobal>
#include <cstring>

#include "framework/qt/display_guard.h"

// Raises one of Qt's fatal messages while a display guard lives or, with "--after", once it
// is gone; the remaining arguments go to the guard as the application's would.
int main(int argc, char** argv) {
  const bool after = argc > 1 && std::strcmp(argv[1], "--after") == 0;
  {
    fw::qt::DisplayGuard guard(argc, argv);
    if (!after) qFatal("a fatal message of the probe");
  }
  qFatal("a fatal message of the probe");
}
