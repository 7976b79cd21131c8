#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "framework/qt/qt_loop.h"
#include "qt_fixture.h"

namespace qttest {
namespace {

using Loop = QtTest;

// Fails the run if the loop does not end by itself.
void Deadline(int ms) {
  QTimer::singleShot(ms, [] {
    ADD_FAILURE() << "the loop did not end";
    QCoreApplication::exit();
  });
}

TEST_F(Loop, QuitBeforeRunReturnsAtOnce) {
  fw::Quit(0);
  QElapsedTimer clock;
  clock.start();
  fw::RuntimeRun();
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(Loop, TimerTicksUntilStoppedAndQuitEndsTheRun) {
  auto window = ShowWindow();
  window->AddControl("Timer1", window->New<fw::Timer>());
  fw::Timer& timer = *window->Get<fw::Timer>("Timer1");
  int ticks = 0;
  timer.Action.Bind("( Timer )", [&](fw::Control&) {
    if (++ticks == 3) {
      timer.SetMode(fw::kTimerModeOff);
      QTimer::singleShot(100, [] { fw::Quit(0); });
    }
  });
  timer.SetPeriod(20);
  timer.SetMode(fw::kTimerModeMultiple);
  Deadline(5000);
  fw::RuntimeRun();
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(Loop, ANewPeriodStartsAFreshInterval) {
  auto window = ShowWindow();
  window->AddControl("Timer1", window->New<fw::Timer>());
  fw::Timer& timer = *window->Get<fw::Timer>("Timer1");
  timer.SetMode(fw::kTimerModeMultiple);
  timer.SetPeriod(400);
  auto& loop = dynamic_cast<fw::qt::QtLoop&>(fw::Loop());
  const QTimer* qtimer = loop.TimerFor(timer);
  ASSERT_NE(qtimer, nullptr);
  EXPECT_TRUE(qtimer->isActive());
  EXPECT_EQ(qtimer->interval(), 400);
  QTest::qWait(150);
  timer.SetPeriod(2000);
  EXPECT_EQ(qtimer->interval(), 2000);
  EXPECT_GT(qtimer->remainingTime(), 1900);
  timer.SetMode(fw::kTimerModeOff);
  EXPECT_FALSE(qtimer->isActive());
}

TEST_F(Loop, AnExceptionInAHandlerEndsTheRunAndIsRaisedFromIt) {
  auto window = ShowWindow();
  fw::PushButton& button = Add<fw::PushButton>(*window, "PushButton1", 8, 15, 222, 84);
  fw::Label& label = Add<fw::Label>(*window, "StaticText1", 8, 150, 222, 84);
  int moves = 0;
  button.Action.Bind("( PushButton )",
                     [](fw::Control&) -> void { throw fw::NilObjectException(); });
  label.MouseMove.Bind("( Label, Int32, Int32 )",
                       [&](fw::Control&, fw::Int32, fw::Int32) { ++moves; });

  QWindow* handle = HandleOf(*window);
  QTimer::singleShot(0, [handle] {
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    // Nothing reaches a handler after the failure.
    QTest::mouseMove(handle, QPoint(100, 180));
    QTest::mouseMove(handle, QPoint(101, 181));
  });
  Deadline(5000);
  EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException);
  EXPECT_EQ(moves, 0);

  // Taken back: handlers run again.
  QTest::mouseMove(handle, QPoint(102, 182));
  EXPECT_EQ(moves, 1);
}

TEST_F(Loop, AnExceptionOutsideTheRunIsRaisedByTheNextRun) {
  auto window = ShowWindow();
  fw::PushButton& button = Add<fw::PushButton>(*window, "PushButton1", 8, 15, 222, 84);
  button.Action.Bind("( PushButton )",
                     [](fw::Control&) -> void { throw std::runtime_error("from a handler"); });
  QTest::mouseClick(HandleOf(*window), Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
  EXPECT_THROW(fw::RuntimeRun(), std::runtime_error);
}

}  // namespace
}  // namespace qttest
