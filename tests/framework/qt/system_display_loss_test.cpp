#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QString>

#include "xvfb_program.h"

namespace qttest {
namespace {

// The program's display goes away under it: the X server ends, or the program's connection is
// closed from outside as xkill does. Qt reports it and ends the process with status 1; the
// program ends with it, at once and without a crash, and adds nothing of its own.
class DisplayLoss : public RealProgram {
 protected:
  QString StartAndWaitForStartWindow() {
    StartProgram(QProcess::SeparateChannels);
    return WaitForWindow(kStartTitle);
  }

  void ExpectQtsEnding() {
    ASSERT_TRUE(program_.waitForFinished(3000)) << "the program did not end";
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit) << "ended by a signal";
    EXPECT_EQ(program_.exitCode(), 1);
    const QByteArray errors = program_.readAllStandardError();
    EXPECT_TRUE(errors.contains("The X11 connection broke")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("Unhandled exception")) << errors.toStdString();
  }
};

TEST_F(DisplayLoss, TheServerEndsWhileTheStartWindowIsShown) {
  ASSERT_FALSE(StartAndWaitForStartWindow().isEmpty());
  server_.terminate();
  ExpectQtsEnding();
}

TEST_F(DisplayLoss, TheServerEndsWhileTheSettingsWindowIsShownAfterAReadOut) {
  const QString start = StartAndWaitForStartWindow();
  ASSERT_FALSE(start.isEmpty());
  ReadOut(start, 1);
  ASSERT_FALSE(SettingsWindow().isEmpty());
  server_.terminate();
  ExpectQtsEnding();
}

TEST_F(DisplayLoss, TheStartWindowsClientIsKilled) {
  const QString start = StartAndWaitForStartWindow();
  ASSERT_FALSE(start.isEmpty());
  Xdo({QStringLiteral("windowkill"), start});
  ExpectQtsEnding();
}

}  // namespace
}  // namespace qttest
