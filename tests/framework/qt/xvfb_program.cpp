#include "xvfb_program.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <ostream>
#include <random>
#include <string>

#include "support/device_sim.h"

namespace qttest {

namespace {

using Clock = std::chrono::steady_clock;

// How long a wait for a window, its focus or its place goes on before the test fails.
constexpr std::chrono::seconds kWaitLimit{15};
// The pause between two tries of a wait.
constexpr std::chrono::milliseconds kRetry{30};
// A state that Qt may still take back counts once it held through this many answers of the
// program in a row. One answer shows that the program has handled every event that came
// before the ping, but Qt acts on some of them only after it has answered; the later answers
// show that what it did then changed nothing.
constexpr int kAnswersHeld = 4;

// How a wait for a state that must hold ended.
template <typename State>
struct Holding {
  bool held = false;
  std::optional<State> last;  // the state last read
  int answers = 0;            // the answers in a row through which it was wanted and the same
  bool answered = false;      // whether the program answered the last ping
};

// Pings the program through `window` until `read` gives a state that `wanted` accepts and
// the same state through kAnswersHeld answers in a row, with nothing happening to the window
// between them; or until the time limit.
template <typename State, typename Read, typename Wanted>
Holding<State> AwaitHeld(XClient& x, xcb_window_t window, Read read, Wanted wanted) {
  x.Watch(window);
  Holding<State> h;
  const Clock::time_point deadline = Clock::now() + kWaitLimit;
  while (true) {
    bool happened = true;
    h.answered = x.Ping(window, deadline, &happened);
    const std::optional<State> now = read();
    if (h.answered && now && wanted(*now)) {
      h.answers = !happened && h.last == now ? h.answers + 1 : 1;
    } else {
      h.answers = 0;
    }
    h.last = now;
    if (h.answers >= kAnswersHeld) {
      h.held = true;
      return h;
    }
    if (Clock::now() >= deadline) return h;
    std::this_thread::sleep_for(kRetry);
  }
}

template <typename State>
std::ostream& operator<<(std::ostream& out, const Holding<State>& h) {
  out << "last seen ";
  if (h.last) {
    out << ::testing::PrintToString(*h.last);
  } else {
    out << "nothing";
  }
  out << ", held through " << h.answers << " answers in a row";
  if (!h.answered) out << "; the program did not answer the last ping";
  return out;
}

xcb_window_t WindowId(const QString& window) {
  return window.toUInt();
}

}  // namespace

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
  StartServer();
}

void RealProgram::TearDown() {
  if (program_.state() != QProcess::NotRunning) {
    program_.kill();
    program_.waitForFinished(5000);
  }
  StopServer();
}

void RealProgram::StartServer(int number) {
  // The server writes its display number once it accepts clients; given none, it picks a free
  // one. Without -noreset it would reset whenever its last client leaves, and forget its RandR
  // monitors.
  QStringList args;
  if (number >= 0) args << QStringLiteral(":%1").arg(number);
  args << QStringLiteral("-displayfd") << QStringLiteral("1") << QStringLiteral("-screen")
       << QStringLiteral("0") << ScreenSize() << QStringLiteral("-nolisten")
       << QStringLiteral("tcp") << QStringLiteral("-noreset");
  server_.start(xvfb_, args);
  ASSERT_TRUE(server_.waitForStarted(10000));
  serverPid_ = server_.processId();
  while (!server_.canReadLine())
    ASSERT_TRUE(server_.waitForReadyRead(10000)) << "no display";
  display_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine().trimmed());
}

void RealProgram::StopServer() {
  x_.reset();
  if (server_.state() != QProcess::NotRunning) {
    // Asked to end, the server removes its socket and lock file itself.
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
      server_.kill();
      server_.waitForFinished(5000);
    }
  }
  RemoveServerLeftovers();
}

void RealProgram::KillServer() {
  x_.reset();
  server_.kill();
  server_.waitForFinished(5000);
  RemoveServerLeftovers();
}

namespace {
// Whether a server accepts connections on the Unix socket at `path`.
bool Answers(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool answered =
      ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return answered;
}
}  // namespace

void RealProgram::RemoveServerLeftovers() {
  if (display_.isEmpty() || serverPid_ <= 0) return;
  const QString number = display_.mid(1);
  // A server started with -displayfd writes no lock file; one that does names itself in it.
  QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(number));
  if (lock.open(QIODevice::ReadOnly)) {
    const bool ours = lock.readAll().trimmed().toLongLong() == serverPid_;
    lock.close();
    if (!ours) return;
    lock.remove();
  }
  // Only while nothing answers on it: another server may have taken the display number since.
  if (SocketLeftBehind()) QFile::remove(Socket());
}

QString RealProgram::Socket() const {
  return QStringLiteral("/tmp/.X11-unix/X") + display_.mid(1);
}

bool RealProgram::SocketLeftBehind() const {
  return QFile::exists(Socket()) && !Answers(Socket());
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

bool RealProgram::ProgramEnded() {
  return program_.state() == QProcess::NotRunning || program_.waitForFinished(0);
}

RealProgram::ToolRun RealProgram::TryTool(const QString& program, const QStringList& args) {
  QProcess tool;
  tool.setProcessEnvironment(Environment());
  tool.start(program, args);
  ToolRun run;
  run.finished = tool.waitForFinished(15000);
  if (!run.finished) {
    tool.kill();
    tool.waitForFinished(5000);
  }
  run.exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
  run.output = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
  return run;
}

QString RealProgram::Tool(const QString& program, const QStringList& args) {
  const ToolRun run = TryTool(program, args);
  const std::string command = (program + ' ' + args.join(' ')).toStdString();
  EXPECT_TRUE(run.finished) << command;
  EXPECT_EQ(run.exitCode, 0) << command;
  return run.output;
}

XClient& RealProgram::X() {
  if (!x_) {
    x_ = std::make_unique<XClient>(display_);
    EXPECT_TRUE(x_->Connected()) << "cannot connect to display " << display_.toStdString();
  }
  return *x_;
}

QString RealProgram::WaitForWindow(const QString& pattern) {
  // xdotool finds no window, with status 1, until the program has shown it.
  const Clock::time_point deadline = Clock::now() + kWaitLimit;
  ToolRun search;
  bool ended = false;
  while (true) {
    search = TryTool(xdotool_, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), pattern});
    if (search.exitCode == 0 && !search.output.isEmpty()) return search.output.section('\n', 0, 0);
    ended = ProgramEnded();
    if (ended || Clock::now() >= deadline) break;
    std::this_thread::sleep_for(kRetry);
  }
  ADD_FAILURE() << "awaited a visible window named " << pattern.toStdString() << "; last seen: "
                << (ended ? "the program ended, with status " + std::to_string(program_.exitCode())
                          : "none, xdotool search gave status " + std::to_string(search.exitCode));
  return {};
}

QRect RealProgram::Geometry(const QString& window) {
  const std::optional<QRect> geometry = X().Geometry(WindowId(window));
  EXPECT_TRUE(geometry.has_value()) << "no window " << window.toStdString();
  return geometry.value_or(QRect());
}

QRect RealProgram::Settle(const QString& window, std::optional<QRect> wanted) {
  XClient& x = X();
  const xcb_window_t id = WindowId(window);
  const Holding<QRect> h = AwaitHeld<QRect>(
      x, id, [&] { return x.Geometry(id); },
      [&](const QRect& now) { return !wanted || now == *wanted; });
  if (!h.held) {
    ADD_FAILURE() << "awaited window " << window.toStdString() << " settled"
                  << (wanted ? " at " + ::testing::PrintToString(*wanted) : std::string()) << "; "
                  << h;
  }
  return h.last.value_or(QRect());
}

::testing::AssertionResult RealProgram::HasFocus(const QString& window) {
  XClient& x = X();
  const xcb_window_t id = WindowId(window);
  const Holding<xcb_window_t> h = AwaitHeld<xcb_window_t>(
      x, id, [&] { return std::optional<xcb_window_t>(x.FocusedTopLevel()); },
      [&](xcb_window_t focused) { return focused == id; });
  if (h.held) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "awaited the input focus on window " << id << " (0 is None or PointerRoot); " << h;
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

QString RealProgram::StartWindow() {
  StartProgram();
  const QString start = WaitForWindow(kStartTitle);
  if (!start.isEmpty()) Settle(start);
  return start;
}

// `scale` is the window's scale: design positions are multiplied by it, the device's steps are
// not.
void RealProgram::ReadOut(const QString& start, double scale) {
  // Random settings carrying hardware version 4.5.
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
  BusyCores busy;
  Xdo(readout);
}

QString RealProgram::SettingsWindow() {
  const QString settings = WaitForWindow(QStringLiteral("Hard: Ver\\."));
  EXPECT_FALSE(settings.isEmpty());
  if (settings.isEmpty()) return settings;
  EXPECT_TRUE(
      Xdo({QStringLiteral("getwindowname"), settings}).endsWith(QStringLiteral("Hard: Ver.4.5")));
  Settle(settings);
  return settings;
}

void RealProgram::PressesFinishWithChange(QStringList lead) {
  for (int n = 0; n < 2; ++n) {
    Relative(lead, -3, 0);
    Relative(lead, 3, 0);
  }
  Relative(lead, 0, -3);
  Relative(lead, 0, 3);
  {
    BusyCores busy;
    Xdo(lead);
  }
  ExpectEndsWithStatusZero();
}

void RealProgram::ReadOutPressesAndFinishWithChange(double scale) {
  const QString start = StartWindow();
  ASSERT_FALSE(start.isEmpty());
  ReadOut(start, scale);
  ASSERT_FALSE(SettingsWindow().isEmpty());
  // The settings window opens over the pointer's place on the button, where its description
  // panel lies: a small move right and down arms the switch decoder (it is a jump from the
  // last position over the button).
  QStringList lead;
  Relative(lead, 5, 5);
  PressesFinishWithChange(lead);
}

}  // namespace qttest
