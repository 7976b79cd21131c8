#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QtGlobal>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "model/module1.h"
#include "qt_fixture.h"
#include "screen_pointer.h"
#include "support/case_name.h"
#include "support/device_sim.h"
#include "system_drive.h"

// Run under QT_SCALE_FACTOR (ctest runs this binary at several factors): the pointer moves one
// screen pixel at a time, as the device moves it, and Qt's logical positions are fractional.
namespace qttest {
namespace {

using testsupport::PrintTo;

constexpr const char* kStart = "Startform.Startform";
constexpr const char* kSettings = "Setform.Setform";

double ExpectedRatio() {
  bool ok = false;
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok ? factor : 1.0;
}

// The pointer over one of the program's windows, in that window's screen pixels.
ScreenPointer PointerOver(const char* window) {
  ScreenPointer pointer(HandleNamed(window));
  EXPECT_DOUBLE_EQ(pointer.Ratio(), ExpectedRatio()) << "the screen is not scaled as asked";
  return pointer;
}

// The screen pixel of a control's logical point.
QPoint PixelIn(const ScreenPointer& pointer, const fw::Control& control, int x, int y) {
  return pointer.PixelOf(InWindow(control, x, y));
}

// The device's read-out: the click one pixel below the button's centre, then every step one
// screen pixel.
void ReadoutInScreenPixels(const std::vector<int>& bits) {
  ScreenPointer pointer = PointerOver(kStart);
  const fw::Control& button = *WindowNamed(kStart).Get<fw::PushButton>("PushButton1");
  const QPoint centre =
      PixelIn(pointer, button, testsupport::kButtonCentre.x, testsupport::kButtonCentre.y);
  pointer.MoveTo(centre + QPoint(0, 1));
  pointer.Click();
  for (const testsupport::Point& p : testsupport::ReadoutMoves(bits, {centre.x(), centre.y()}))
    pointer.MoveTo({p.x, p.y});
}

class ScaledScreen : public ProgramRun {
 protected:
  static QPushButton* Button(const char* name) {
    return qobject_cast<QPushButton*>(WidgetOf(*WindowNamed(kSettings).Get<fw::PushButton>(name)));
  }
  static fw::Color PanelColour() {
    return WindowNamed(kSettings).Get<fw::Rectangle>("Rectangle1")->FillColor();
  }
};

class ScaledReadout : public ScaledScreen, public ::testing::WithParamInterface<unsigned> {};

TEST_P(ScaledReadout, OnePixelStepsDecodeEveryBit) {
  std::mt19937 rng(GetParam());
  const std::vector<int> bits = testsupport::RandomBits(rng);
  bool checked = false;
  Script script;
  script.Then([&] { ReadoutInScreenPixels(bits); }).Then([&] {
    EXPECT_EQ(Module1::i, 41);
    for (int n = 0; n < 41; ++n)
      EXPECT_EQ(Module1::bits(n), bits[n]) << "bit " << n;
    EXPECT_TRUE(WidgetOf(WindowNamed(kSettings))->isVisible());
    checked = true;
    fw::Quit(0);
  });
  EXPECT_EQ(Run(script), 0);
  EXPECT_TRUE(checked);
}

INSTANTIATE_TEST_SUITE_P(RandomBits, ScaledReadout, ::testing::Values(11u, 4242u, 90210u),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                           return "Seed" + std::to_string(info.param);
                         });

TEST_F(ScaledScreen, TwoPixelPressesFollowTheMenu) {
  bool checked = false;
  Script script;
  script.Then([] { ReadoutInScreenPixels(Version45Bits()); }).Then([&] {
    ScreenPointer pointer = PointerOver(kSettings);
    const auto shortPress = [&] {
      pointer.MoveBy({0, -2});
      pointer.MoveBy({0, 2});
    };
    const auto longPress = [&] {
      pointer.MoveBy({-2, 0});
      pointer.MoveBy({2, 0});
    };
    // The jump from the button arms the decoder.
    pointer.MoveTo(
        PixelIn(pointer, *WindowNamed(kSettings).Get<fw::Label>("StaticText1"), 300, 50));
    shortPress();
    EXPECT_EQ(Module1::btnindex, 1);
    EXPECT_TRUE(Button("PushButton1")->isDefault());
    // Item 1's value: changing starts, one step, changing ends.
    longPress();
    EXPECT_EQ(Module1::btn13, 1);
    const fw::Int32 before = Module1::tempval(1);
    longPress();
    EXPECT_NE(Module1::tempval(1), before);
    shortPress();
    EXPECT_EQ(Module1::btn13, 0);
    for (int n = 0; n < 12; ++n)
      shortPress();
    EXPECT_EQ(Module1::btnindex, 13);
    longPress();
    longPress();
    EXPECT_EQ(Module1::btn13, 2);
    EXPECT_TRUE(Button("PushButton15")->font().bold());
    EXPECT_EQ(PanelColour(), (fw::Color{255, 255, 255}));
    checked = true;
    // Finish with change.
    shortPress();
  });
  script.Then([] { ADD_FAILURE() << "the run went on after finish with change"; });
  EXPECT_EQ(Run(script, false), 0);
  EXPECT_TRUE(checked);
}

TEST_F(ScaledScreen, AJumpCountsInScreenPixels) {
  bool checked = false;
  Script script;
  script.Then([] { ReadoutInScreenPixels(Version45Bits()); }).Then([&] {
    ScreenPointer pointer = PointerOver(kSettings);
    pointer.MoveTo(
        PixelIn(pointer, *WindowNamed(kSettings).Get<fw::Label>("StaticText1"), 100, 50));
    // 20 screen pixels are still a small move, whatever they are in logical units.
    pointer.MoveBy({20, 0});
    EXPECT_EQ(PanelColour(), (fw::Color{255, 255, 255}));
    pointer.MoveBy({0, 30});
    EXPECT_EQ(PanelColour(), (fw::Color{255, 80, 160}));
    EXPECT_EQ(Module1::btnindex, 13);
    checked = true;
    fw::Quit(0);
  });
  EXPECT_EQ(Run(script), 0);
  EXPECT_TRUE(checked);
}

// One control's MouseMove positions.
class ScaledInput : public QtTest {};

// How the window is shown: plainly, or with an object of someone else's in its native window
// from before the first show, as platform and accessibility integrations may put there.
struct Showing {
  const char* name;
  bool foreignChild;
};

class ScaledSteps : public ScaledInput, public ::testing::WithParamInterface<Showing> {};

TEST_P(ScaledSteps, EveryScreenPixelIsOneStepWithItsSign) {
  std::shared_ptr<fw::Window> window = NewWindow(724, 540);
  if (GetParam().foreignChild) {
    QWidget* widget = WidgetOf(*window);
    widget->winId();
    ASSERT_NE(widget->windowHandle(), nullptr);
    new QObject(widget->windowHandle());
  }
  window->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(*window)));
  // Odd origins: at 1.5x the label's top-left corner falls between two screen pixels.
  fw::Label& label = Add<fw::Label>(*window, "StaticText1", 19, 409, 679, 111);
  std::vector<QPoint> at;
  label.MouseMove.Bind("( RectControl, Int32, Int32 )",
                       [&](fw::Control&, fw::Int32 x, fw::Int32 y) { at.emplace_back(x, y); });

  ScreenPointer pointer(HandleOf(*window));
  ASSERT_DOUBLE_EQ(pointer.Ratio(), ExpectedRatio());
  // From outside the label: Qt drops a move to where the pointer already is.
  pointer.MoveTo({1, 1});
  pointer.MoveTo(pointer.PixelOf(InWindow(label, 20, 20)));
  std::vector<QPoint> sent{pointer.At()};
  // Runs of one-pixel steps in every direction, alone and combined.
  const QPoint steps[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
  for (const QPoint& step : steps) {
    for (int n = 0; n < 7; ++n) {
      pointer.MoveBy(step);
      sent.push_back(pointer.At());
    }
  }

  ASSERT_EQ(at.size(), sent.size());
  for (std::size_t n = 1; n < at.size(); ++n)
    EXPECT_EQ(at[n] - at[n - 1], sent[n] - sent[n - 1]) << "move " << n;
}

INSTANTIATE_TEST_SUITE_P(Windows, ScaledSteps,
                         ::testing::Values(Showing{"Plain", false},
                                           Showing{"WithAForeignChild", true}),
                         [](const ::testing::TestParamInfo<Showing>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ScaledInput, TheWindowsMouseDownIsInScreenPixels) {
  std::shared_ptr<fw::Window> window = ShowClickWindow(724, 540);
  ScreenPointer pointer(HandleOf(*window));
  pointer.MoveTo({601, 403});
  pointer.Click();
  EXPECT_EQ(window->Title(), "601,403");
}

}  // namespace
}  // namespace qttest
