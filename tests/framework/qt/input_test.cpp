#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "qt_fixture.h"
#include "support/case_name.h"

namespace qttest {
namespace {

using testsupport::PrintTo;

// Counts a control's MouseMove events and keeps their positions.
struct MoveLog {
  std::vector<QPoint> at;
  void Bind(fw::RectControl& control) {
    control.MouseMove.Bind(
        "( RectControl, Int32, Int32 )",
        [this](fw::Control&, fw::Int32 x, fw::Int32 y) { at.emplace_back(x, y); });
  }
};

class Input : public QtTest {
 protected:
  void SetUp() override {
    QtTest::SetUp();
    window = ShowWindow(724, 540);
    panel = &Add<fw::Rectangle>(*window, "Rectangle1", 19, 409, 680, 111);
    label = &Add<fw::Label>(*window, "StaticText1", 20, 409, 679, 111, "Rectangle1");
  }

  QWindow* Handle() const { return HandleOf(*window); }

  std::shared_ptr<fw::Window> window;
  fw::Rectangle* panel = nullptr;
  fw::Label* label = nullptr;
};

TEST_F(Input, EveryOnePixelMoveReachesTheBoundLabelOnceAndNoParent) {
  MoveLog onLabel;
  MoveLog onPanel;
  onLabel.Bind(*label);
  onPanel.Bind(*panel);

  constexpr int kMoves = 8000;
  // Back and forth over 400 pixels, so that no move repeats the position before it.
  QPoint at = InWindow(*label, 100, 50);
  QTest::mouseMove(Handle(), at);
  onLabel.at.clear();
  int dx = 1;
  for (int n = 0; n < kMoves; ++n) {
    if (at.x() >= InWindow(*label, 500, 0).x()) dx = -1;
    if (at.x() <= InWindow(*label, 100, 0).x()) dx = 1;
    at += QPoint(dx, (n % 2 == 0) ? 1 : -1);
    QTest::mouseMove(Handle(), at);
  }

  EXPECT_EQ(onLabel.at.size(), static_cast<std::size_t>(kMoves));
  EXPECT_TRUE(onPanel.at.empty());
  // In the label's own pixels.
  ASSERT_FALSE(onLabel.at.empty());
  EXPECT_EQ(onLabel.at.back(), WidgetOf(*label)->mapFrom(WidgetOf(*window), at));
}

TEST_F(Input, MovesOverTheOnePixelColumnGoToThePanel) {
  MoveLog onLabel;
  MoveLog onPanel;
  onLabel.Bind(*label);
  onPanel.Bind(*panel);
  QTest::mouseMove(Handle(), QPoint(19, 450));
  QTest::mouseMove(Handle(), QPoint(19, 451));
  EXPECT_TRUE(onLabel.at.empty());
  ASSERT_EQ(onPanel.at.size(), 2u);
  EXPECT_EQ(onPanel.at.back(), QPoint(0, 42));
}

TEST_F(Input, MovesWithAButtonHeldAreNoMouseMove) {
  MoveLog onLabel;
  onLabel.Bind(*label);
  const QPoint at = InWindow(*label, 50, 50);
  QTest::mouseMove(Handle(), at);
  QTest::mousePress(Handle(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseMove(Handle(), at + QPoint(3, 0));
  QTest::mouseMove(Handle(), at + QPoint(6, 0));
  QTest::mouseRelease(Handle(), Qt::LeftButton, Qt::NoModifier, at + QPoint(6, 0));
  QTest::mouseMove(Handle(), at + QPoint(7, 0));
  ASSERT_EQ(onLabel.at.size(), 2u);
  EXPECT_EQ(onLabel.at[0], QPoint(50, 50));
  EXPECT_EQ(onLabel.at[1], QPoint(57, 50));
}

TEST_F(Input, UnboundControlsTrackNothing) {
  EXPECT_FALSE(WidgetOf(*label)->hasMouseTracking());
  MoveLog onLabel;
  onLabel.Bind(*label);
  EXPECT_TRUE(WidgetOf(*label)->hasMouseTracking());
  EXPECT_FALSE(WidgetOf(*panel)->hasMouseTracking());
}

TEST_F(Input, PushButtonPressAndClick) {
  fw::PushButton& button = Add<fw::PushButton>(*window, "PushButton1", 8, 15, 222, 84);
  std::vector<QPoint> downs;
  int actions = 0;
  button.MouseDown.Bind("( PushButton, Int32, Int32 ) as Boolean",
                        [&](fw::Control&, fw::Int32 x, fw::Int32 y) {
                          downs.emplace_back(x, y);
                          return true;
                        });
  button.Action.Bind("( PushButton )", [&](fw::Control&) { ++actions; });

  QTest::mouseClick(Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(119, 57));
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0], QPoint(111, 42));
  // MouseDown's result does not stop the click.
  EXPECT_EQ(actions, 1);

  // A press that leaves the button before its release is no click.
  QTest::mousePress(Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(119, 57));
  QTest::mouseMove(Handle(), QPoint(400, 200));
  QTest::mouseRelease(Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 200));
  EXPECT_EQ(downs.size(), 2u);
  EXPECT_EQ(actions, 1);

  QTest::mouseClick(Handle(), Qt::RightButton, Qt::NoModifier, QPoint(119, 57));
  EXPECT_EQ(downs.size(), 2u);
  EXPECT_EQ(actions, 1);
}

// Where a click lands, and whether the window's MouseDown hears of it.
struct ClickCase {
  const char* name;
  QPoint at;
  Qt::MouseButton button;
  bool windowMouseDown;
};

class WindowMouseDown : public QtTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(WindowMouseDown, OnlyALeftClickOnTheBackground) {
  std::shared_ptr<fw::Window> clicks = ShowClickWindow(724, 540);

  Add<fw::Label>(*clicks, "StaticText1", 20, 20, 100, 30);
  fw::PopupMenu& popup = Add<fw::PopupMenu>(*clicks, "PopupMenu1", 195, 34, 153, 30);
  popup.SetInitialValue("なし\r長");
  popup.SetEnabled(false);
  fw::PushButton& button = Add<fw::PushButton>(*clicks, "PushButton15", 327, 301, 115, 22);
  button.SetEnabled(false);
  Add<fw::PushButton>(*clicks, "PushButton13", 19, 301, 168, 22);
  fw::GroupBox& group = Add<fw::GroupBox>(*clicks, "GroupBox1", 20, 343, 679, 54);
  group.SetEnabled(false);
  fw::Slider& slider = Add<fw::Slider>(*clicks, "Slider1", 573, 119, 104, 28);
  slider.SetEnabled(false);

  const ClickCase& c = GetParam();
  QTest::mouseClick(HandleOf(*clicks), c.button, Qt::NoModifier, c.at);
  const std::string expected =
      c.windowMouseDown ? std::to_string(c.at.x()) + "," + std::to_string(c.at.y()) : std::string();
  EXPECT_EQ(clicks->Title(), expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, WindowMouseDown,
    ::testing::Values(ClickCase{"Background", {600, 200}, Qt::LeftButton, true},
                      ClickCase{"BackgroundRightButton", {600, 200}, Qt::RightButton, false},
                      ClickCase{"Label", {30, 30}, Qt::LeftButton, false},
                      ClickCase{"DisabledPopup", {250, 45}, Qt::LeftButton, false},
                      ClickCase{"DisabledButton", {350, 310}, Qt::LeftButton, false},
                      ClickCase{"EnabledButtonRightButton", {50, 310}, Qt::RightButton, false},
                      ClickCase{"InsideTheGroupBox", {400, 385}, Qt::LeftButton, false},
                      ClickCase{"DisabledSlider", {600, 130}, Qt::LeftButton, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qttest
