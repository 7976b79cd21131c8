#include "framework/qt/display_guard.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace fw::qt {

namespace {
// The value given after `option` in the arguments, or nullptr.
const char* OptionValue(int argc, char** argv, const char* option) {
  for (int n = 1; n + 1 < argc; ++n) {
    if (std::strcmp(argv[n], option) == 0) return argv[n + 1];
  }
  return nullptr;
}

std::string BaseName(const char* path) {
  if (path == nullptr) return "";
  const char* slash = std::strrchr(path, '/');
  return slash != nullptr ? slash + 1 : path;
}

// The X display that the xcb platform connects to: the value of "-display", else $DISPLAY;
// "" when none is set.
std::string DisplayNameFrom(int argc, char** argv) {
  if (const char* option = OptionValue(argc, argv, "-display")) return option;
  const char* display = std::getenv("DISPLAY");
  return display != nullptr ? display : "";
}

// Whether Qt sets up the xcb platform: no platform is named ("-platform", else
// $QT_QPA_PLATFORM), or the names include xcb.
bool SetsUpXcb(int argc, char** argv) {
  const char* platform = OptionValue(argc, argv, "-platform");
  if (platform == nullptr) platform = std::getenv("QT_QPA_PLATFORM");
  return platform == nullptr || *platform == '\0' || std::strstr(platform, "xcb") != nullptr;
}

// Whether an X server accepts a connection to the display; "" (none set) is never reached.
bool DisplayReachable(const std::string& display) {
  if (display.empty()) return false;
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool reached = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return reached;
}

// The line the program ends with when the display cannot be reached.
std::string UnreachableDisplayLine(const std::string& program, const std::string& display) {
  const std::string speaker = program.empty() ? "" : program + ": ";
  if (display.empty()) return speaker + "cannot open a display: DISPLAY is not set\n";
  return speaker + "cannot open display " + display + "\n";
}

// The message handler is a plain function: what it needs lives here while a guard does.
QtMessageHandler g_previous = nullptr;
std::string g_program;
std::string g_display;
bool g_guarding = false;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg && !DisplayReachable(g_display)) {
    const std::string line = UnreachableDisplayLine(g_program, g_display);
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    // Nothing of the half-built platform may run at exit.
    std::_Exit(1);
  }
  if (g_previous != nullptr) g_previous(type, context, text);
}

}  // namespace

DisplayGuard::DisplayGuard(int argc, char** argv) {
  if (g_guarding) throw std::logic_error("one display guard at a time");
  if (!SetsUpXcb(argc, argv)) return;
  g_program = BaseName(argc > 0 ? argv[0] : nullptr);
  g_display = DisplayNameFrom(argc, argv);
  g_guarding = true;
  active_ = true;
  g_previous = qInstallMessageHandler(&OnMessage);
}

DisplayGuard::~DisplayGuard() {
  if (!active_) return;
  qInstallMessageHandler(g_previous);
  g_previous = nullptr;
  g_guarding = false;
}

}  // namespace fw::qt
