#include <gtest/gtest.h>

#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <ostream>
#include <string>

#include "support/case_name.h"
#include "xvfb_program.h"

namespace {

using testsupport::PrintTo;

using qttest::RealProgram;

// Two monitors side by side with different scale factors, as a desktop sets them per screen
// on X11: one X screen of 5760 x 2160 pixels, split by RandR into LEFT (1920 x 1080, factor 1)
// and RIGHT (3840 x 2160, factor 2). The windows open on LEFT; xdotool moves them, as a user
// drags them, without a window manager.
class TwoMonitors : public RealProgram {
 protected:
  static constexpr QPoint kOnLeft{300, 200};
  static constexpr QPoint kOnRight{2100, 300};

  QString ScreenSize() const override { return QStringLiteral("5760x2160x24"); }

  QProcessEnvironment Environment() const override {
    QProcessEnvironment env = RealProgram::Environment();
    env.insert(QStringLiteral("QT_SCREEN_SCALE_FACTORS"), QStringLiteral("LEFT=1;RIGHT=2"));
    return env;
  }

  void SetUp() override {
    RealProgram::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    const QString xrandr = QStandardPaths::findExecutable(QStringLiteral("xrandr"));
    if (xrandr.isEmpty()) GTEST_SKIP() << "needs xrandr";
    Tool(xrandr, {QStringLiteral("--setmonitor"), QStringLiteral("LEFT"),
                  QStringLiteral("1920/508x1080/286+0+0"), QStringLiteral("screen")});
    Tool(xrandr, {QStringLiteral("--setmonitor"), QStringLiteral("RIGHT"),
                  QStringLiteral("3840/600x2160/340+1920+0"), QStringLiteral("none")});
    const QString monitors = Tool(xrandr, {QStringLiteral("--listmonitors")});
    ASSERT_TRUE(monitors.contains(QStringLiteral(" LEFT ")) &&
                monitors.contains(QStringLiteral(" RIGHT ")))
        << monitors.toStdString();
  }

  // Moves the window's top-left corner to `to`; gives the window's size once it is `size` there
  // and settled, or the last size seen.
  QSize MoveWindow(const QString& window, QPoint to, QSize size) {
    Xdo({QStringLiteral("windowmove"), window, QString::number(to.x()), QString::number(to.y())});
    return Settle(window, QRect(to, size)).size();
  }
};

TEST_F(TwoMonitors, TheStartWindowHasItsSizeInTheScreenPixelsOfEachMonitor) {
  const QString start = StartWindow();
  ASSERT_FALSE(start.isEmpty());
  EXPECT_EQ(Geometry(start).size(), QSize(339, 508));
  EXPECT_EQ(MoveWindow(start, kOnRight, {678, 1016}), QSize(678, 1016));
  EXPECT_EQ(MoveWindow(start, kOnLeft, {339, 508}), QSize(339, 508));
}

// The same course with every widget in a native window of its own: those follow too.
struct Widgets {
  const char* name;
  bool nativeWindows;
};

class TwoMonitorsRun : public TwoMonitors, public ::testing::WithParamInterface<Widgets> {
 protected:
  QProcessEnvironment Environment() const override {
    QProcessEnvironment env = TwoMonitors::Environment();
    if (GetParam().nativeWindows) {
      env.insert(QStringLiteral("QT_USE_NATIVE_WINDOWS"), QStringLiteral("1"));
    }
    return env;
  }
};

TEST_P(TwoMonitorsRun, ReadOutAndPressesOnTheMonitorAtTwiceTheScale) {
  const QString start = StartWindow();
  ASSERT_FALSE(start.isEmpty());
  ASSERT_EQ(MoveWindow(start, kOnRight, {678, 1016}), QSize(678, 1016));
  ReadOut(start, 2);

  const QString settings = SettingsWindow();
  ASSERT_FALSE(settings.isEmpty());
  EXPECT_EQ(Geometry(settings).size(), QSize(724, 540));
  // The pointer waits where no window is while the settings window moves.
  Xdo({QStringLiteral("mousemove"), QStringLiteral("5700"), QStringLiteral("2100")});
  ASSERT_EQ(MoveWindow(settings, kOnRight, {1448, 1080}), QSize(1448, 1080));

  // Onto the description panel (20, 409 in the window's content): a jump, which arms the
  // switch decoder; then the presses.
  const QPoint panel = kOnRight + QPoint((20 + 300) * 2, (409 + 50) * 2);
  PressesFinishWithChange(
      {QStringLiteral("mousemove"), QString::number(panel.x()), QString::number(panel.y())});
}

INSTANTIATE_TEST_SUITE_P(Widgets, TwoMonitorsRun,
                         ::testing::Values(Widgets{"Plain", false}, Widgets{"NativeWindows", true}),
                         [](const ::testing::TestParamInfo<Widgets>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
