#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <random>
#include <string>
#include <thread>

#include "support/case_name.h"
#include "xvfb_program.h"

namespace qttest {
namespace {

using testsupport::PrintTo;

// The first display number from `from` on that no server holds: neither its socket nor its
// lock file exists.
int UnusedDisplayNumber(int from) {
  for (int n = from;; ++n) {
    if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
        !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
      return n;
    }
  }
}

// A display number that no server holds, kept from the tests of other processes while this
// lives: each claim binds an abstract socket named after its number, which one process at a
// time can hold, and which goes with the process.
class ClaimedDisplay {
 public:
  explicit ClaimedDisplay(int from) {
    for (number_ = UnusedDisplayNumber(from);; number_ = UnusedDisplayNumber(number_ + 1)) {
      fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
      if (fd_ < 0) return;
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      const std::string name = "nupireo-settings-tests-display-" + std::to_string(number_);
      // The name's first byte stays 0: the abstract namespace.
      name.copy(address.sun_path + 1, sizeof address.sun_path - 2);
      const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
      if (::bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0) return;
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~ClaimedDisplay() {
    if (fd_ >= 0) ::close(fd_);
  }
  ClaimedDisplay(const ClaimedDisplay&) = delete;
  ClaimedDisplay& operator=(const ClaimedDisplay&) = delete;

  bool Claimed() const { return fd_ >= 0; }
  int Number() const { return number_; }

 private:
  int number_ = 0;
  int fd_ = -1;
};

// A display with no server. High and varied, so that the servers of tests running alongside
// do not take it meanwhile.
QString FreeDisplay() {
  return QStringLiteral(":%1").arg(UnusedDisplayNumber(500 + static_cast<int>(getpid() % 400)));
}

// The environment of a start on X: the tests' own offscreen platform taken out.
QProcessEnvironment XEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.remove(QStringLiteral("DISPLAY"));
  return env;
}

// An abort here is expected: it leaves no core file behind.
void WithoutCore(QProcess& process) {
  process.setChildProcessModifier([] {
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
  });
}

// How a process ended: its exit status, or the signal that ended it, and what it said.
struct Ending {
  bool finished = false;
  bool bySignal = false;
  int code = 0;
  QByteArray errors;
};

Ending RunToEnd(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
  QProcess process;
  WithoutCore(process);
  process.setProcessEnvironment(env);
  process.start(program, args);
  Ending ending;
  ending.finished = process.waitForFinished(15000);
  if (!ending.finished) process.kill();
  // QProcess gives the signal as the exit code of a process that a signal ended.
  ending.bySignal = process.exitStatus() == QProcess::CrashExit;
  ending.code = process.exitCode();
  ending.errors = process.readAllStandardError();
  return ending;
}

void ExpectEndsWithOneLine(const Ending& ending, const QByteArray& line) {
  ASSERT_TRUE(ending.finished) << "still running";
  EXPECT_FALSE(ending.bySignal) << "ended by signal " << ending.code << ": "
                                << ending.errors.toStdString();
  EXPECT_EQ(ending.code, 1) << ending.errors.toStdString();
  EXPECT_EQ(ending.errors.count(line + '\n'), 1) << ending.errors.toStdString();
  EXPECT_FALSE(ending.errors.contains("Reinstalling")) << ending.errors.toStdString();
}

void ExpectAborts(const Ending& ending) {
  ASSERT_TRUE(ending.finished) << "still running";
  EXPECT_TRUE(ending.bySignal && ending.code == SIGABRT)
      << (ending.bySignal ? "signal " : "status ") << ending.code << ": "
      << ending.errors.toStdString();
  EXPECT_TRUE(ending.errors.contains("a fatal message of the probe"))
      << ending.errors.toStdString();
}

// The real program started where there is no display: no DISPLAY at all, or one that no
// server answers.
struct NoDisplayCase {
  const char* name;
  bool displaySet;
};

class NoDisplay : public ::testing::TestWithParam<NoDisplayCase> {};

TEST_P(NoDisplay, TheProgramSaysSoInOneLineAndEndsWithStatusOne) {
  QProcessEnvironment env = XEnvironment();
  QByteArray line = "nupireo-settings: cannot open a display: DISPLAY is not set";
  if (GetParam().displaySet) {
    const QString display = FreeDisplay();
    env.insert(QStringLiteral("DISPLAY"), display);
    line = "nupireo-settings: cannot open display " + display.toUtf8();
  }
  ExpectEndsWithOneLine(RunToEnd(QStringLiteral(NUPIREO_PROGRAM), {}, env), line);
}

INSTANTIATE_TEST_SUITE_P(Starts, NoDisplay,
                         ::testing::Values(NoDisplayCase{"DisplayNotSet", false},
                                           NoDisplayCase{"NoServerOnTheDisplay", true}),
                         [](const ::testing::TestParamInfo<NoDisplayCase>& info) {
                           return std::string(info.param.name);
                         });

// The X server killed while the program starts: in the first 60 ms Qt is still setting up its
// platform. The program ends, never with an abort.
//
// The servers here take a display number of their own, far above those the other tests' servers
// pick and claimed from the same test running in other processes: a program started just
// before its server was killed may connect only afterwards, and must find no other test's
// server on its display, whose focus it would take.
class EarlyDisplayLoss : public RealProgram {};

// Qt's xcb plugin itself may crash when the connection dies inside its screen set-up: a
// segfault, or under AddressSanitizer its report of one inside the plugin, then an abort.
bool QtsOwnCrash(int signal, const QByteArray& errors) {
  if (signal == SIGSEGV) return true;
  const qsizetype summary = errors.indexOf("SUMMARY: AddressSanitizer: SEGV");
  if (summary < 0) return false;
  const QByteArray line = errors.mid(summary, errors.indexOf('\n', summary) - summary);
  return line.contains("libQt6XcbQpa.so");
}

TEST_F(EarlyDisplayLoss, AServerKilledInTheFirst60MsNeverAbortsTheProgram) {
  constexpr int kTrials = 30;
  std::mt19937 rng(21);
  std::uniform_int_distribution<int> delay(0, 60);
  int inSetUp = 0;
  WithoutCore(program_);
  StopServer();
  const ClaimedDisplay display(900);
  ASSERT_TRUE(display.Claimed());
  for (int trial = 0; trial < kTrials; ++trial) {
    StartServer(display.Number());
    const int ms = delay(rng);
    StartProgram(QProcess::SeparateChannels);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    KillServer();
    EXPECT_FALSE(SocketLeftBehind()) << "trial " << trial << ": the killed server's socket";
    ASSERT_TRUE(program_.waitForFinished(10000)) << "trial " << trial << ": still running";
    const QByteArray errors = program_.readAllStandardError();
    const std::string what = "trial " + std::to_string(trial) + ", killed after " +
                             std::to_string(ms) + " ms: " + errors.toStdString();
    if (program_.exitStatus() == QProcess::CrashExit) {
      EXPECT_TRUE(QtsOwnCrash(program_.exitCode(), errors))
          << "signal " << program_.exitCode() << ", " << what;
      continue;
    }
    EXPECT_EQ(program_.exitCode(), 1) << what;
    if (errors.contains("nupireo-settings: cannot open display " + display_.toUtf8())) ++inSetUp;
  }
  // Some kills fell into the platform's set-up, where Qt aborts unless the guard ends it.
  EXPECT_GT(inSetUp, 0);
}

// Fatal messages that are not the display's: they still abort. The probe raises one under the
// guard, or after it; the display given may be a running server's.
enum class Display { None, Free, Running };

struct GuardCase {
  const char* name;
  const char* platform;  // QT_QPA_PLATFORM, or nullptr
  Display display;       // DISPLAY
  Display option;        // the value of -display, or None for no such argument
  bool after;            // the fatal message comes once the guard is gone
  bool aborts;
};

class DisplayGuardProbe : public RealProgram, public ::testing::WithParamInterface<GuardCase> {
 protected:
  QString Name(Display display) {
    if (display == Display::Free) return free_;
    return display == Display::Running ? display_ : QString();
  }
  QString free_ = FreeDisplay();
};

TEST_P(DisplayGuardProbe, EndsAsTheDisplayDecides) {
  const GuardCase& c = GetParam();
  QProcessEnvironment env = XEnvironment();
  if (c.platform != nullptr) env.insert(QStringLiteral("QT_QPA_PLATFORM"), c.platform);
  if (c.display != Display::None) env.insert(QStringLiteral("DISPLAY"), Name(c.display));
  QStringList args;
  if (c.after) args << QStringLiteral("--after");
  if (c.option != Display::None) args << QStringLiteral("-display") << Name(c.option);
  const Ending ending = RunToEnd(QStringLiteral(NUPIREO_DISPLAY_GUARD_PROBE), args, env);
  if (c.aborts) {
    ExpectAborts(ending);
  } else {
    ExpectEndsWithOneLine(ending, "display_guard_probe: cannot open display " + free_.toUtf8());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayGuardProbe,
    ::testing::Values(
        GuardCase{"TheDisplayAnswers", nullptr, Display::Running, Display::None, false, true},
        GuardCase{"AnotherPlatform", "offscreen", Display::None, Display::None, false, true},
        GuardCase{"TheGuardIsGone", nullptr, Display::None, Display::None, true, true},
        GuardCase{"DisplayOptionAnswers", nullptr, Display::Free, Display::Running, false, true},
        GuardCase{"DisplayOptionDoesNotAnswer", nullptr, Display::Running, Display::Free, false,
                  false}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qttest
