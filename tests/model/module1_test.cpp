#include <gtest/gtest.h>

#include <stdexcept>

#include "model/module1.h"

namespace {

TEST(Module1Test, InitialValues) {
  Module1::initialize();
  EXPECT_EQ(Module1::i, -2);
  EXPECT_EQ(Module1::phase, 0);
  EXPECT_EQ(Module1::tm, 0);
  EXPECT_EQ(Module1::mousX, 0);
  EXPECT_EQ(Module1::mousY, 0);
  EXPECT_EQ(Module1::btnindex, 1);
  EXPECT_EQ(Module1::btn13, 0);
  EXPECT_EQ(Module1::sphase, 0);
  struct {
    Module1::ArrayRef& array;
    int bound;
  } arrays[] = {{Module1::bits, 64}, {Module1::setval, 32}, {Module1::tempval, 16},
                {Module1::maxval, 16}};
  for (auto& a : arrays) {
    EXPECT_EQ(a.array.Get().Bound(), a.bound);
    for (int n = 0; n <= a.bound; ++n) EXPECT_EQ(a.array(n), 0);
  }
  Module1::finalize();
}

TEST(Module1Test, IndexOutsideTheInclusiveBoundThrows) {
  Module1::initialize();
  EXPECT_NO_THROW(Module1::bits(64));
  EXPECT_THROW(Module1::bits(65), std::out_of_range);
  EXPECT_THROW(Module1::tempval(-1), std::out_of_range);
  EXPECT_THROW(Module1::maxval(17), std::out_of_range);
  Module1::finalize();
}

TEST(Module1Test, ReleasedArrayIsNotUsable) {
  Module1::initialize();
  Module1::finalize();
  EXPECT_TRUE(Module1::bits.IsNil());
  EXPECT_THROW(Module1::bits(0), std::logic_error);
}

}  // namespace
