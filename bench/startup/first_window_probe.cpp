#include "bench/startup/first_window_probe.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <fstream>
#include <string>

namespace {
// The high-water mark of the resident set: VmHWM in /proc/self/status.
long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return -1;
}
}  // namespace

bool FirstWindowProbe::eventFilter(QObject* watched, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Expose) {
    auto* window = qobject_cast<QWindow*>(watched);
    if (window != nullptr && window->isVisible()) {
      seen_ = true;
      // The expose event draws the window; the next turn of the loop comes after that.
      QTimer::singleShot(0, this, [this] { Report(); });
    }
  }
  return false;
}

void FirstWindowProbe::Report() {
  std::printf("shown %ld\n", PeakResidentKiB());
  std::fflush(stdout);
  done_();
}
