#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <cstdlib>

#include "system_course.h"

namespace qttest {
namespace {

// The process ends from inside the event loop, as Qt ends it when the display goes away:
// `exit` runs the static destructors while the application and every widget still live. The
// run must end with the status given, whatever has the keyboard focus.
class ExitInsideTheLoop : public SystemCourse {
 protected:
  void SetUp() override {
    SystemCourse::SetUp();
    // The child process starts afresh, with its own platform.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }

  // Runs the program with `script` and ends the process with status 1 from its last step.
  void ExitAfter(Script& script) {
    script.Then([] {
      // Hiding a focused button moves the focus: the case in which teardown reaches most.
      ASSERT_NE(QApplication::focusWidget(), nullptr);
      ASSERT_NE(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
      std::exit(1);
    });
    Run(script, false);
  }
};

TEST_F(ExitInsideTheLoop, WithTheStartWindowShown) {
  EXPECT_EXIT(
      {
        Script script;
        script.Then([] { ActivateWindow(kStart); });
        ExitAfter(script);
      },
      ::testing::ExitedWithCode(1), "");
}

TEST_F(ExitInsideTheLoop, WithTheSettingsWindowShownAfterAReadOut) {
  EXPECT_EXIT(
      {
        Script script;
        script.Then([] { ReadoutThroughButton(Version45Bits()); }).Then([] {
          ActivateWindow(kSettings);
          Button(kSettings, "PushButton13")->setFocus();
        });
        ExitAfter(script);
      },
      ::testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace qttest
