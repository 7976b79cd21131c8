#include "bench/verdict.h"

#include <cstdio>

namespace bench {

std::string Verdict(double goalMicros, double micros, const std::vector<double>& floorMicros) {
  if (micros <= goalMicros) return "met";
  char text[96];
  double nearest = 0.0;
  for (double floor : floorMicros) {
    if (floor <= 0.0) continue;
    const double ratio = micros / floor;
    if (floor > goalMicros && ratio <= kWithinFloor) {
      std::snprintf(text, sizeof text,
                    "not the program's: its Qt floor misses it too, and the program is within "
                    "%g× of it",
                    kWithinFloor);
      return text;
    }
    if (nearest == 0.0 || ratio < nearest) nearest = ratio;
  }
  if (nearest == 0.0) return "**missed**";
  std::snprintf(text, sizeof text, "**missed**: %.2f× its Qt floor", nearest);
  return text;
}

}  // namespace bench
