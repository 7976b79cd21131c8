#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "qt_fixture.h"
#include "system_drive.h"

namespace qttest {

inline constexpr const char* kStart = "Startform.Startform";
inline constexpr const char* kSettings = "Setform.Setform";

// Runs of the program with the windows' names and buttons at hand.
class SystemCourse : public ProgramRun {
 protected:
  static QPushButton* Button(const char* window, const char* name) {
    return qobject_cast<QPushButton*>(WidgetOf(*WindowNamed(window).Get<fw::PushButton>(name)));
  }
};

// Makes the window the active one, which takes the keyboard, and waits until it is.
inline void ActivateWindow(const char* window) {
  QWidget* widget = WidgetOf(WindowNamed(window));
  widget->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
}

}  // namespace qttest
