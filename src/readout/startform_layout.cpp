#include "readout/startform.h"

// Placeholder until the window's design lands.
namespace readout {
void Startform::Layout() {}
void Startform::CreateControls() {}
void Startform::CreateControls0() {}
}  // namespace readout
