#include <gtest/gtest.h>

#include "framework/framework.h"
#include "support/headless.h"

namespace {

class TimerTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    timer_ = std::make_unique<fw::Timer>();
    timer_->SetMode(fw::kTimerModeOff);
    timer_->Action.Bind("( Timer )", [this](fw::Control&) { ticks_.push_back(Clock().Now()); });
  }
  std::unique_ptr<fw::Timer> timer_;
  std::vector<std::int64_t> ticks_;
};

TEST_F(TimerTest, RepeatsEveryPeriodWhileModeIsMultiple) {
  timer_->SetPeriod(400);
  Clock().Advance(1000);
  EXPECT_TRUE(ticks_.empty());
  timer_->SetMode(fw::kTimerModeMultiple);
  Clock().Advance(1300);
  EXPECT_EQ(ticks_, (std::vector<std::int64_t>{1400, 1800, 2200}));
}

TEST_F(TimerTest, NewPeriodRestartsTheInterval) {
  timer_->SetPeriod(400);
  timer_->SetMode(fw::kTimerModeMultiple);
  Clock().Advance(300);
  timer_->SetPeriod(2000);
  Clock().Advance(2000);
  EXPECT_EQ(ticks_, (std::vector<std::int64_t>{2300}));
}

TEST_F(TimerTest, HandlerThatStopsOrChangesTheTimerWins) {
  timer_->Action.Bind("( Timer )", [this](fw::Control&) {
    ticks_.push_back(Clock().Now());
    if (ticks_.size() == 1) timer_->SetPeriod(2000);
    if (ticks_.size() == 2) timer_->SetMode(fw::kTimerModeOff);
  });
  timer_->SetPeriod(400);
  timer_->SetMode(fw::kTimerModeMultiple);
  Clock().Advance(10000);
  EXPECT_EQ(ticks_, (std::vector<std::int64_t>{400, 2400}));
  EXPECT_EQ(Clock().NextTickIn(*timer_), -1);
}

TEST_F(TimerTest, NoTickAfterQuit) {
  timer_->Action.Bind("( Timer )", [this](fw::Control&) {
    ticks_.push_back(Clock().Now());
    fw::Quit(0);
  });
  timer_->SetPeriod(100);
  timer_->SetMode(fw::kTimerModeMultiple);
  Clock().Advance(1000);
  EXPECT_EQ(ticks_.size(), 1u);
}

TEST_F(TimerTest, DestroyedTimerIsUnscheduled) {
  timer_->SetPeriod(100);
  timer_->SetMode(fw::kTimerModeMultiple);
  timer_.reset();
  EXPECT_NO_THROW(Clock().Advance(1000));
}

}  // namespace
