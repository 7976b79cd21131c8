// The program's own start-up, exactly as its main() runs it, with the probe that reports its
// first window on screen and then quits through the framework.
#include <QApplication>

#include "app/startup.h"
#include "bench/startup/first_window_probe.h"
#include "framework/qt/platform.h"

int main(int argc, char** argv) {
  fw::qt::Platform platform(argc, argv);
  FirstWindowProbe probe([] { fw::Quit(0); });
  platform.Application().installEventFilter(&probe);
  return app::main();
}
