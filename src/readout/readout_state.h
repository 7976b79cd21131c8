#pragma once

#include "framework/types.h"

// The values of the read-out state in Module1 (phase and i).
namespace readout {

// Module1::phase. The value 4 is not used.
inline constexpr fw::Int32 kWaitLeft = 0;
inline constexpr fw::Int32 kWaitRight = 1;
inline constexpr fw::Int32 kWaitBit = 2;
inline constexpr fw::Int32 kWaitDown = 3;
inline constexpr fw::Int32 kBitsComplete = 5;
inline constexpr fw::Int32 kReadoutDone = 6;

// Module1::i before the bits arrive: idle until the click, armed until the next pointer event.
inline constexpr fw::Int32 kIdle = -2;
inline constexpr fw::Int32 kArmed = -1;

// The bits of one read-out.
inline constexpr fw::Int32 kBitCount = 41;

}  // namespace readout
