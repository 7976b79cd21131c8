#include "app/startup.h"
#include "framework/qt/platform.h"

int main(int argc, char** argv) {
  fw::qt::Platform platform(argc, argv);
  return app::main();
}
