#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/menu_bar1.h"
#include "app/startup.h"
#include "qt_fixture.h"
#include "system_drive.h"

namespace qttest {

inline constexpr const char* kStart = "Startform.Startform";
inline constexpr const char* kSettings = "Setform.Setform";

// Whole runs of the program, app::main() to its exit status, on the real widgets.
class SystemCourse : public QtTest {
 protected:
  void TearDown() override {
    app::MenuBar1::_implicitInstance.Exit();
    QtTest::TearDown();
  }

  // Runs the program with the script started inside its loop; a run that hangs is ended.
  fw::Int32 Run(Script& script, bool toTheEnd = true) {
    script.Start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
      ADD_FAILURE() << "the program did not end";
      fw::Quit(0);
    });
    watchdog.start(20000);
    const fw::Int32 status = app::main();
    EXPECT_EQ(script.Finished(), toTheEnd);
    return status;
  }

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
