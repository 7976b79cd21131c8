#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <atomic>
#include <thread>
#include <vector>

// The real program on a real X server.
namespace qttest {

// The start window's title, as a pattern of xdotool's search.
inline const QString kStartTitle = QStringLiteral("^ヌピレオ設定 Ver\\.5\\.0$");

// Keeps every core busy while it lives, so that the program competes for the processor
// while the pointer moves arrive.
class BusyCores {
 public:
  BusyCores();
  ~BusyCores();

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::thread> spinners_;
};

// The real program on its own Xvfb server, driven with XTest by xdotool: each
// `mousemove_relative` is one motion event, sent back to back with the others.
class RealProgram : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The screen's width, height and depth.
  virtual QString ScreenSize() const { return QStringLiteral("1024x768x24"); }
  virtual QProcessEnvironment Environment() const;

  // Starts the program, its standard error forwarded or, with `mode`, kept apart.
  void StartProgram(QProcess::ProcessChannelMode mode = QProcess::ForwardedErrorChannel);
  // Runs xdotool with the arguments; gives its output.
  QString Xdo(const QStringList& args);
  // The first visible window whose name matches, once there is one.
  QString WaitForWindow(const QString& pattern);
  // The top-left corner of the window's content on the screen.
  QPoint Origin(const QString& window);
  // Whether the window has the input focus, or gets it within a few seconds.
  bool HasFocus(const QString& window);
  void Key(const QString& key);
  void ExpectEndsWithStatusZero(int withinMs = 15000);

  static void Relative(QStringList& commands, int dx, int dy);

  // The device's read-out over the start window at the windows' scale `scale`; gives the
  // settings window that it opens.
  QString ReadOut(const QString& start, double scale = 1);
  // The read-out, then presses that choose finish with change.
  void ReadOutPressesAndFinishWithChange(double scale);

  QString xvfb_;
  QString xdotool_;
  QString display_;
  QProcess server_;
  QProcess program_;
};

}  // namespace qttest
