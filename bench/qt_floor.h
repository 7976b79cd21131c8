#pragma once

// The floor under the Qt rows: bare Qt windows that draw what the program's windows draw for
// the same pointer events, fed the same way, with nothing of the program in between.
namespace bench {

// Registers, for the current platform, the floor of the read-out event and of the two
// presses that write a new description.
void AddFloorCases();

}  // namespace bench
