#include "readout/startform.h"

// Placeholder until the read-out handlers land.
namespace readout {
void Startform::PushButton1_MouseMove(fw::PushButton&, Int32, Int32) {}
void Startform::PushButton1_Action(fw::PushButton&) {}
bool Startform::PushButton1_MouseDown(fw::PushButton&, Int32, Int32) { return false; }
void Startform::PushButton2_Action(fw::PushButton&) {}
void Startform::Timer1_Action(fw::Timer&) {}
void Startform::Event_Open() {}
}  // namespace readout
