#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "editor/setform_fixture.h"
#include "model/module1.h"

namespace editortest {
namespace {

using fw::Int32;

constexpr Int32 kMin = std::numeric_limits<Int32>::min();
constexpr Int32 kMax = std::numeric_limits<Int32>::max();

void ExpectEditorInRange() {
  ASSERT_GE(Module1::btnindex, 1);
  ASSERT_LE(Module1::btnindex, 13);
  ASSERT_GE(Module1::btn13, 0);
  ASSERT_LE(Module1::btn13, Module1::btnindex == 13 ? 4 : 1);
  for (Int32 k = 1; k <= 12; ++k) {
    ASSERT_GE(Module1::tempval(k), 0) << "item " << k;
    ASSERT_LE(Module1::tempval(k), Module1::maxval(k)) << "item " << k;
  }
}

// Random pointer streams: mostly small steps, some jumps, a few positions at the ends of the
// integer range. The handler is called directly, so the stream goes on after a quit too.
TEST_F(SetformTest, RandomPointerStreamsKeepTheEditorInRange) {
  for (Int32 k = 1; k <= 20; ++k)
    Module1::setval(k) = k % 3 == 0 ? 1 : 0;
  OpenSettings();
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> kind(0, 99);
  std::uniform_int_distribution<Int32> step(-4, 4);
  std::uniform_int_distribution<Int32> far(kMin, kMax);
  Int32 x = 0, y = 0;
  for (int event = 0; event < 20000; ++event) {
    const int k = kind(random);
    if (k < 90) {
      x += step(random);
      y += step(random);
    } else if (k < 98) {
      x += 25 * step(random);
      y += 25 * step(random);
    } else {
      x = far(random);
      y = far(random);
    }
    ASSERT_NO_THROW(form->StaticText1_MouseMove(*form->StaticText1(), x, y)) << "event " << event;
    ExpectEditorInRange();
    if (k >= 98) x = y = 0;
  }
}

TEST_F(SetformTest, FarApartPositionsAreJumps) {
  OpenSettings();
  Module1::sphase = 2;
  Module1::mousX = kMax;
  Module1::mousY = 0;
  Move(Point{kMin, 0});  // one pixel apart if the difference wrapped
  EXPECT_EQ(Module1::sphase, 2);
  EXPECT_EQ(Module1::mousX, kMax);
  EXPECT_EQ(Module1::btnindex, 13);
}

// States the handlers never produce still index no array out of its bounds.
TEST_F(SetformTest, PressesInForeignStatesTouchNoArrayOutOfBounds) {
  OpenSettings();
  for (Int32 item : {kMin, -1, 0, 14, 16, 17, kMax}) {
    for (Int32 mode : {kMin, -1, 0, 1, 2, 5, kMax}) {
      SCOPED_TRACE("btnindex " + fw::Str(item) + ", btn13 " + fw::Str(mode));
      Module1::btnindex = item;
      Module1::btn13 = mode;
      EXPECT_NO_THROW(form->SelItem());
      Module1::btnindex = item;
      Module1::btn13 = mode;
      EXPECT_NO_THROW(form->SelBtn());
    }
  }
  for (Int32 mode : {kMin, -1, 5, kMax}) {
    Module1::btnindex = 13;
    Module1::btn13 = mode;
    form->SelItem();
    EXPECT_EQ(Module1::btn13, 1) << "from " << mode;
  }
}

}  // namespace
}  // namespace editortest
