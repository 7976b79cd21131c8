#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "qt_print.h"
#include "x_client.h"

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

  // Starts an Xvfb server of its own, on display `number` or, by default, on the first free
  // one; display_ names it.
  void StartServer(int number = -1);
  // Ends the server, if it still runs, and removes what it leaves behind.
  void StopServer();
  // Ends the server at once (SIGKILL), as a crash would, and removes what it leaves behind:
  // its socket in /tmp/.X11-unix, and its lock file where it wrote one.
  void KillServer();
  // Whether the server's socket is there with no server answering on it.
  bool SocketLeftBehind() const;

  // The screen's width, height and depth.
  virtual QString ScreenSize() const { return QStringLiteral("1024x768x24"); }
  virtual QProcessEnvironment Environment() const;

  // Starts the program, its standard error forwarded or, with `mode`, kept apart.
  void StartProgram(QProcess::ProcessChannelMode mode = QProcess::ForwardedErrorChannel);
  // Whether the program has ended.
  bool ProgramEnded();

  // How a tool's run went.
  struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    QString output;
  };
  // Runs a tool on the server's display with the arguments, expecting nothing of it.
  ToolRun TryTool(const QString& program, const QStringList& args);
  // Runs a tool that must succeed; gives its output.
  QString Tool(const QString& program, const QStringList& args);
  // Runs xdotool with the arguments; gives its output.
  QString Xdo(const QStringList& args) { return Tool(xdotool_, args); }

  // The tests' own connection to the server.
  XClient& X();

  // The first visible window whose name matches, once there is one; fails the test and gives
  // none if none comes within the time limit or the program ends first.
  QString WaitForWindow(const QString& pattern);
  // The window's content on the screen, in screen pixels.
  QRect Geometry(const QString& window);
  // The top-left corner of the window's content on the screen.
  QPoint Origin(const QString& window) { return Geometry(window).topLeft(); }
  // The window's content once it is `wanted` (any, if none is given) and stays so while the
  // program answers several pings in a row with nothing happening to the window in between:
  // Qt still changes a window's size and place for a while after the events that moved or
  // showed it. After the time limit, fails the test and gives the last seen.
  QRect Settle(const QString& window, std::optional<QRect> wanted = std::nullopt);
  // Whether the window gets the input focus and keeps it in the same way, within the limit.
  ::testing::AssertionResult HasFocus(const QString& window);
  void Key(const QString& key);
  void ExpectEndsWithStatusZero(int withinMs = 15000);

  static void Relative(QStringList& commands, int dx, int dy);

  // Starts the program; gives its start window once that is shown and settled.
  QString StartWindow();
  // The device's read-out over the start window drawn at scale `scale`: a click on the
  // "設　定" button, then one XTest motion per screen pixel, with every core busy.
  void ReadOut(const QString& start, double scale);
  // The settings window, once the read-out opened it with hardware version 4.5 and it
  // settled.
  QString SettingsWindow();
  // The device's presses over the description panel after `lead`, the moves that bring the
  // pointer there: long, long, short chooses finish with change, which ends the program.
  void PressesFinishWithChange(QStringList lead);

  // The device's read-out, then presses that choose finish with change, at the windows'
  // scale `scale`.
  void ReadOutPressesAndFinishWithChange(double scale);

  QString xvfb_;
  QString xdotool_;
  QString display_;
  QProcess server_;
  qint64 serverPid_ = 0;
  QProcess program_;

 private:
  QString Socket() const;
  void RemoveServerLeftovers();

  std::unique_ptr<XClient> x_;
};

}  // namespace qttest
