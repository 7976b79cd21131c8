#include "app/startup.h"

namespace app {

fw::Int32 main() {
  fw::RuntimeInit();
  initialize();
  Main();
  finalize();
  return fw::RuntimeExit();
}

}  // namespace app
