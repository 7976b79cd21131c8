#include "xvfb_program.h"

#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <random>

#include "support/device_sim.h"

namespace qttest {

BusyCores::BusyCores() {
  unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  for (unsigned n = 0; n < cores; ++n) {
    spinners_.emplace_back([this] {
      volatile unsigned long sink = 0;
      while (!stop_.load(std::memory_order_relaxed))
        sink = sink + 1;
    });
  }
}

BusyCores::~BusyCores() {
  stop_ = true;
  for (auto& t : spinners_)
    t.join();
}

void RealProgram::SetUp() {
  xvfb_ = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
  xdotool_ = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  if (xvfb_.isEmpty() || xdotool_.isEmpty()) GTEST_SKIP() << "needs Xvfb and xdotool";
  // The server picks a free display and writes its number once it accepts clients.
  server_.start(xvfb_, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"), ScreenSize(),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  ASSERT_TRUE(server_.waitForStarted(10000));
  while (!server_.canReadLine())
    ASSERT_TRUE(server_.waitForReadyRead(10000)) << "no display";
  display_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine().trimmed());
}

void RealProgram::TearDown() {
  for (QProcess* process : {&program_, &server_}) {
    if (process->state() == QProcess::NotRunning) continue;
    process->kill();
    process->waitForFinished(5000);
  }
}

QProcessEnvironment RealProgram::Environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.insert(QStringLiteral("DISPLAY"), display_);
  return env;
}

void RealProgram::StartProgram(QProcess::ProcessChannelMode mode) {
  program_.setProcessEnvironment(Environment());
  program_.setProcessChannelMode(mode);
  program_.start(QStringLiteral(NUPIREO_PROGRAM), {});
  ASSERT_TRUE(program_.waitForStarted(10000));
}

QString RealProgram::Xdo(const QStringList& args) {
  QProcess xdo;
  xdo.setProcessEnvironment(Environment());
  xdo.start(xdotool_, args);
  EXPECT_TRUE(xdo.waitForFinished(15000)) << args.join(' ').toStdString();
  if (xdo.state() != QProcess::NotRunning) xdo.kill();
  EXPECT_EQ(xdo.exitCode(), 0) << args.join(' ').toStdString();
  return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

QString RealProgram::WaitForWindow(const QString& pattern) {
  return Xdo({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
              QStringLiteral("--name"), pattern})
      .section('\n', 0, 0);
}

QPoint RealProgram::Origin(const QString& window) {
  QPoint at;
  for (const QString& line :
       Xdo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}).split('\n')) {
    if (line.startsWith(QStringLiteral("X="))) at.setX(line.mid(2).toInt());
    if (line.startsWith(QStringLiteral("Y="))) at.setY(line.mid(2).toInt());
  }
  return at;
}

bool RealProgram::HasFocus(const QString& window) {
  for (int n = 0; n < 100; ++n) {
    if (Xdo({QStringLiteral("getwindowfocus")}) == window) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void RealProgram::Key(const QString& key) {
  Xdo({QStringLiteral("key"), key});
}

void RealProgram::ExpectEndsWithStatusZero(int withinMs) {
  ASSERT_TRUE(program_.waitForFinished(withinMs)) << "the program did not end";
  EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program_.exitCode(), 0);
}

void RealProgram::Relative(QStringList& commands, int dx, int dy) {
  commands << QStringLiteral("mousemove_relative") << QStringLiteral("--") << QString::number(dx)
           << QString::number(dy);
}

// The device's read-out over the start window as one XTest motion per screen pixel, with random
// settings that carry hardware version 4.5. `scale` is the windows' scale: design positions
// are multiplied by it, the device's steps are not.
QString RealProgram::ReadOut(const QString& start, double scale) {
  std::mt19937 rng(4242);
  std::vector<int> bits = testsupport::RandomBits(rng);
  bits[0] = 1, bits[1] = 0, bits[2] = 0;  // minor version 4 + 1
  bits[4] = 0, bits[5] = 1;               // major version 2 + 2

  // The "設　定" button: 8, 415, 222 x 84 in the window's content. The click lands one pixel
  // below its centre, so that the move to the centre is the read-out's reference.
  const QPoint centre =
      Origin(start) + QPoint(qRound((8 + testsupport::kButtonCentre.x) * scale),
                             qRound((415 + testsupport::kButtonCentre.y) * scale));
  QStringList readout = {QStringLiteral("mousemove"), QString::number(centre.x()),
                         QString::number(centre.y() + 1), QStringLiteral("click"),
                         QStringLiteral("1")};
  testsupport::Point at{testsupport::kButtonCentre.x, testsupport::kButtonCentre.y + 1};
  for (const testsupport::Point& p : testsupport::ReadoutMoves(bits)) {
    Relative(readout, p.x - at.x, p.y - at.y);
    at = p;
  }
  {
    BusyCores busy;
    Xdo(readout);
  }

  const QString settings = WaitForWindow(QStringLiteral("Hard: Ver\\."));
  EXPECT_FALSE(settings.isEmpty());
  EXPECT_TRUE(
      Xdo({QStringLiteral("getwindowname"), settings}).endsWith(QStringLiteral("Hard: Ver.4.5")));
  return settings;
}

// The read-out, then presses over the description panel: long, long, short chooses finish
// with change, which ends the program.
void RealProgram::ReadOutPressesAndFinishWithChange(double scale) {
  StartProgram();
  const QString start = WaitForWindow(kStartTitle);
  ASSERT_FALSE(start.isEmpty());
  ASSERT_FALSE(ReadOut(start, scale).isEmpty());

  // Over the description panel: a small move right and down arms the switch decoder (it is
  // a jump from the last position over the button); then long, long, short: finish with
  // change.
  QStringList presses;
  Relative(presses, 5, 5);
  for (int n = 0; n < 2; ++n) {
    Relative(presses, -3, 0);
    Relative(presses, 3, 0);
  }
  Relative(presses, 0, -3);
  Relative(presses, 0, 3);
  {
    BusyCores busy;
    Xdo(presses);
  }

  ASSERT_TRUE(program_.waitForFinished(15000)) << "the program did not end";
  EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program_.exitCode(), 0);
}

}  // namespace qttest
