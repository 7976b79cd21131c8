#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/device_sim.h"

namespace {

using testsupport::LineCode;
using testsupport::Point;
using testsupport::Positions;

// The steps as letters: L R U D, a combined step as two letters in brackets.
std::string Directions(const Positions& positions, Point from) {
  std::string out;
  for (const Point& p : positions) {
    std::string step;
    if (p.x < from.x) step += 'L';
    if (p.x > from.x) step += 'R';
    if (p.y < from.y) step += 'U';
    if (p.y > from.y) step += 'D';
    out += step.size() == 1 ? step : "[" + step + "]";
    from = p;
  }
  return out;
}

TEST(DeviceSim, DrawsTheLineCode) {
  const Point start{111, 42};
  EXPECT_EQ(Directions(testsupport::BitSteps({1, 0, 1}, start), start), "LRUDLRLRUD");
  EXPECT_EQ(Directions(testsupport::BitSteps({1, 0}, start), start), "LRUDLRL");
  LineCode combined;
  combined.combineLeftUp = true;
  EXPECT_EQ(Directions(testsupport::BitSteps({0, 1, 0, 0, 1, 1}, start, combined), start),
            "LR[LU]DLRLR[LU]DLRUD");
}

TEST(DeviceSim, StepsHaveTheGivenSize) {
  LineCode code;
  code.step = 3;
  EXPECT_EQ(testsupport::BitSteps({1}, {10, 10}, code),
            (Positions{{7, 10}, {10, 10}, {10, 7}, {10, 10}}));
}

TEST(DeviceSim, ReadoutMovesStartWithTheReferenceAndEndWithTheCompletion) {
  LineCode code;
  code.completion = {0, 5};
  const Positions moves = testsupport::ReadoutMoves({1}, {10, 10}, code);
  EXPECT_EQ(moves, (Positions{{10, 10}, {9, 10}, {10, 10}, {10, 9}, {10, 10}, {10, 15}}));
}

TEST(DeviceSim, RefusesWhatItCannotSend) {
  EXPECT_THROW(testsupport::BitSteps({0, 2}, {0, 0}), std::invalid_argument);
  LineCode code;
  code.step = 0;
  EXPECT_THROW(testsupport::BitSteps({0}, {0, 0}, code), std::invalid_argument);
}

}  // namespace
