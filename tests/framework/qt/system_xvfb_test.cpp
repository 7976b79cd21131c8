#include <gtest/gtest.h>

#include <QPoint>
#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "support/device_sim.h"
#include "xvfb_program.h"

namespace {

using qttest::RealProgram;

TEST_F(RealProgram, ReadOutPressesAndFinishWithChange) {
  ReadOutPressesAndFinishWithChange(1);
}

// The same on a scaled screen, as a desktop's scaling or QT_SCALE_FACTOR makes it, and with
// every widget in a native window of its own, as QT_USE_NATIVE_WINDOWS, a widget that asks
// for its window id or an accessibility integration makes them.
struct Scale {
  const char* name;
  const char* factor;
  bool nativeWindows;
  friend void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.factor << (scale.nativeWindows ? " native" : "");
  }
};

class ScaledRealProgram : public RealProgram, public ::testing::WithParamInterface<Scale> {
 protected:
  // Room for the settings window at twice its size.
  QString ScreenSize() const override { return QStringLiteral("2048x1536x24"); }
  QProcessEnvironment Environment() const override {
    QProcessEnvironment env = RealProgram::Environment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(GetParam().factor));
    if (GetParam().nativeWindows)
      env.insert(QStringLiteral("QT_USE_NATIVE_WINDOWS"), QStringLiteral("1"));
    return env;
  }
};

TEST_P(ScaledRealProgram, ReadOutPressesAndFinishWithChange) {
  ReadOutPressesAndFinishWithChange(QString::fromLatin1(GetParam().factor).toDouble());
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledRealProgram,
                         ::testing::Values(Scale{"OneAndAHalf", "1.5", false},
                                           Scale{"Two", "2", false},
                                           Scale{"OneAndAHalfNativeWindows", "1.5", true},
                                           Scale{"TwoNativeWindows", "2", true}),
                         [](const ::testing::TestParamInfo<Scale>& info) {
                           return std::string(info.param.name);
                         });

// The real program driven from the keyboard: xdotool types through XTest into the window
// that has the X input focus. There is no window manager, so the program's own activation of
// its window must give it that focus.
class RealProgramKeys : public RealProgram {
 protected:
  // Starts the program; gives its start window once that is shown and has the focus.
  QString StartWithFocus() {
    const QString start = StartWindow();
    EXPECT_TRUE(HasFocus(start));
    return start;
  }
};

TEST_F(RealProgramKeys, EscOnTheStartWindowEndsTheRunWithStatusZero) {
  ASSERT_FALSE(StartWithFocus().isEmpty());
  Key(QStringLiteral("Escape"));
  ExpectEndsWithStatusZero();
}

TEST_F(RealProgramKeys, TabThenReturnOnTheStartWindowEndsTheRunAtOnceWithStatusZero) {
  ASSERT_FALSE(StartWithFocus().isEmpty());
  // Tab takes the focus from "設　定" to the cancel button, which Return then presses.
  Key(QStringLiteral("Tab"));
  Key(QStringLiteral("Return"));
  // Well within the six seconds after which a read-out armed by mistake gives up and ends
  // the run with status 0 as well.
  ExpectEndsWithStatusZero(3000);
}

TEST_F(RealProgramKeys, ReturnArmsTheReadOutThatThePointerStepsThenCarry) {
  const QString start = StartWithFocus();
  ASSERT_FALSE(start.isEmpty());
  // The pointer rests one pixel below the button's centre; Return takes the place of the
  // device's click, and the steps that follow carry the bits.
  const QPoint centre = Origin(start) + QPoint(8, 415) +
                        QPoint(testsupport::kButtonCentre.x, testsupport::kButtonCentre.y);
  Xdo({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y() + 1)});
  Key(QStringLiteral("Return"));
  std::mt19937 rng(1717);
  std::vector<int> bits = testsupport::RandomBits(rng);
  bits[0] = 1, bits[1] = 0, bits[2] = 0;  // minor version 4 + 1
  bits[4] = 0, bits[5] = 1;               // major version 2 + 2
  QStringList steps;
  testsupport::Point at{testsupport::kButtonCentre.x, testsupport::kButtonCentre.y + 1};
  for (const testsupport::Point& p : testsupport::ReadoutMoves(bits)) {
    Relative(steps, p.x - at.x, p.y - at.y);
    at = p;
  }
  Xdo(steps);

  const QString settings = WaitForWindow(QStringLiteral("Hard: Ver\\.4\\.5$"));
  ASSERT_FALSE(settings.isEmpty());
  ASSERT_TRUE(HasFocus(settings));
  // The settings window has no cancel button, and none of its buttons binds an Action.
  Key(QStringLiteral("Escape"));
  Key(QStringLiteral("Return"));
  EXPECT_FALSE(program_.waitForFinished(500));
  Key(QStringLiteral("ctrl+q"));
  ExpectEndsWithStatusZero();
}

}  // namespace
