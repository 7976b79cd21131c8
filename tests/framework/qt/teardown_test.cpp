#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "framework/run_state.h"
#include "qt_fixture.h"

namespace qttest {
namespace {

// A run of the framework that goes while Qt and the widgets still live, as a process exit
// destroys whatever static storage holds.
class RunTeardown : public QtTest {
 protected:
  void TearDown() override {
    fw::KeepRunIn(previous_);
    Platform().Install();
    QtTest::TearDown();
  }

  // Starts a run of its own, with the platform's peers and loop.
  std::unique_ptr<fw::RunState> OwnRun() {
    auto run = std::make_unique<fw::RunState>();
    previous_ = fw::KeepRunIn(run.get());
    Platform().Install();
    return run;
  }

 private:
  fw::RunState* previous_ = nullptr;
};

// Hiding a focused button moves Qt's focus, which asks the window for its keyboard order:
// the window must have let go of its widgets before any control goes. The focus is on the
// last control, so that the others would be gone by the time its widget is hidden.
TEST_F(RunTeardown, AWindowWithAFocusedButtonGoesWithoutReachingAGoneControl) {
  std::unique_ptr<fw::RunState> run = OwnRun();
  std::shared_ptr<fw::Window> window = ShowWindow(300, 200);
  for (const char* name : {"First", "Second", "Third"}) {
    const int top = 10 + 40 * static_cast<int>(window->Controls().size());
    Add<fw::PushButton>(*window, name, 10, top, 100, 30);
  }
  QWidget* top = WidgetOf(*window);
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  WidgetOf(*window->Get<fw::PushButton>("Third"))->setFocus();
  ASSERT_EQ(FocusedControl(*window), "Third");
  // Only the run holds the window now.
  window.reset();
  run.reset();
  Flush();
  EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

// The platform's own teardown: the run is released first, then the platform taken out of it,
// which must leave nothing new in the run it tears down.
TEST_F(RunTeardown, TakingThePlatformOutOfAReleasedRunMakesNothingInIt) {
  std::unique_ptr<fw::RunState> run = OwnRun();
  ASSERT_NE(run->loop, nullptr);
  run->Release();
  Platform().Uninstall();
  EXPECT_EQ(run->loop, nullptr);
}

}  // namespace
}  // namespace qttest
