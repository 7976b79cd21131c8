#pragma once

#include <string>
#include <vector>

namespace bench {

// A goal that the program misses is not the program's to meet only when a bare Qt floor
// measured in the same run misses it too and the program takes at most this many times that
// floor's time.
inline constexpr double kWithinFloor = 1.5;

// The verdict on a time against its goal (both in µs), given the times of the row's floors
// that were measured: "met", "not the program's: ..." or "**missed**".
std::string Verdict(double goalMicros, double micros, const std::vector<double>& floorMicros);

}  // namespace bench
