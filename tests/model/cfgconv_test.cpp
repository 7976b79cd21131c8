#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <random>

#include "model/module1.h"
#include "support/case_name.h"

namespace {

using testsupport::PrintTo;

using Values = std::array<Module1::Int32, 21>;  // index 0 unused

class CfgconvTest : public ::testing::Test {
 protected:
  void SetUp() override { Module1::initialize(); }
  void TearDown() override { Module1::finalize(); }

  static void SetBits(const std::vector<int>& bits) {
    for (std::size_t n = 0; n < bits.size(); ++n)
      Module1::bits(static_cast<int>(n)) = bits[n];
  }
  static Values Converted() {
    Module1::cfgconv();
    Values v{};
    for (int k = 1; k <= 20; ++k)
      v[k] = Module1::setval(k);
    return v;
  }
};

struct NamedCase {
  const char* name;
  std::vector<int> bits;  // from index 0
  Values expected;        // setval(1..20)
};

class CfgconvCases : public CfgconvTest, public ::testing::WithParamInterface<NamedCase> {};

TEST_P(CfgconvCases, GivesTheValuesOfTheBitTable) {
  SetBits(GetParam().bits);
  EXPECT_EQ(Converted(), GetParam().expected);
}

std::vector<int> Ones(int count) {
  return std::vector<int>(count, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Named, CfgconvCases,
    ::testing::Values(NamedCase{"AllZero",
                                std::vector<int>(41, 0),
                                {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0}},
                      NamedCase{"AllOne", Ones(40), {0, 3, 3, 3, 3, 1, 1, 7, 7, 7, 7,
                                                     7, 7, 3, 7, 5, 1, 1, 1, 1, 1}},
                      NamedCase{"FirstByte",
                                {1, 0, 1, 0, 1, 1, 0, 0},
                                {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 0, 0, 0, 0, 0}},
                      NamedCase{"BitsAbove39Ignored",
                                [] {
                                  std::vector<int> b(40, 0);
                                  b.resize(65, 1);
                                  return b;
                                }(),
                                {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each value is a little-endian field; checked bit by bit against the byte view.
TEST_F(CfgconvTest, EverySingleBitLandsInItsField) {
  struct Where {
    int k, weight;
  };
  // bit n -> (setval index, weight)
  const Where where[40] = {{14, 1}, {14, 2}, {14, 4}, {16, 1}, {15, 1}, {15, 2}, {13, 1}, {13, 2},
                           {11, 1}, {11, 2}, {11, 4}, {19, 1}, {12, 1}, {12, 2}, {12, 4}, {20, 1},
                           {10, 1}, {10, 2}, {10, 4}, {18, 1}, {8, 1},  {8, 2},  {8, 4},  {5, 1},
                           {9, 1},  {9, 2},  {9, 4},  {17, 1}, {7, 1},  {7, 2},  {7, 4},  {6, 1},
                           {1, 1},  {1, 2},  {2, 1},  {2, 2},  {3, 1},  {3, 2},  {4, 1},  {4, 2}};
  for (int n = 0; n < 40; ++n) {
    std::vector<int> bits(41, 0);
    bits[n] = 1;
    SetBits(bits);
    Values expected{};
    expected[15] = 2;
    expected[where[n].k] += where[n].weight;
    EXPECT_EQ(Converted(), expected) << "bit " << n;
  }
}

TEST_F(CfgconvTest, SwitchOnSumIsSixteenOnlyWhenTheFirstByteIsAllOnes) {
  std::mt19937 random(7);
  for (int byte = 0; byte < 256; ++byte) {
    std::vector<int> bits(41);
    for (int n = 0; n < 41; ++n)
      bits[n] = n < 8 ? (byte >> n) & 1 : random() & 1;
    SetBits(bits);
    Values v = Converted();
    int sum = v[13] + v[14] + v[15] + v[16];
    EXPECT_LE(sum, 16);
    EXPECT_EQ(sum == 16, byte == 255) << byte;
  }
}

TEST_F(CfgconvTest, TouchesNothingButSetval1To20AndRepeatsItself) {
  SetBits(Ones(41));
  Values first = Converted();
  EXPECT_EQ(Converted(), first);
  EXPECT_EQ(Module1::setval(0), 0);
  for (int k = 21; k <= 32; ++k)
    EXPECT_EQ(Module1::setval(k), 0) << k;
}

}  // namespace
