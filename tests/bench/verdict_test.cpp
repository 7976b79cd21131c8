#include "bench/verdict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"

namespace {

using testsupport::PrintTo;

struct VerdictCase {
  const char* name;
  double micros;
  std::vector<double> floors;  // the measured floors' times
  std::string expected;
};

// A goal of 50 µs, as the Qt rows have.
constexpr double kGoal = 50.0;

class VerdictCases : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictCases, ReadsAsTheRowAndItsFloorsDecide) {
  EXPECT_EQ(bench::Verdict(kGoal, GetParam().micros, GetParam().floors), GetParam().expected);
}

const std::string kNotTheProgram =
    "not the program's: its Qt floor misses it too, and the program is within 1.5× of it";

// clang-format off
const VerdictCase kCases[] = {
    {"GoalMet",                          40.0, {30.0},      "met"},
    {"GoalMetExactly",                   50.0, {},          "met"},
    {"FloorMissesTooProgramNearIt",     113.0, {95.7},      kNotTheProgram},
    {"FloorMissesTooProgramAtTheBound",  90.0, {60.0},      kNotTheProgram},
    {"FloorMissesTooProgramFarAboveIt", 120.0, {60.0},      "**missed**: 2.00× its Qt floor"},
    {"FloorMeetsTheGoal",                60.0, {40.0},      "**missed**: 1.50× its Qt floor"},
    // Of two floors, the one that misses the goal with the program near it decides.
    {"OneOfTwoFloorsExcuses",            75.0, {1.8, 60.0}, kNotTheProgram},
    {"NoFloor",                          75.0, {},          "**missed**"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, VerdictCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<VerdictCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
