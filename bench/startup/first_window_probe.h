#pragma once

#include <QObject>
#include <functional>

// Watches a Qt program for its first top-level window on screen. Once that window has been
// exposed and drawn, writes one line to standard output, "shown <peak resident KiB>", and
// then calls `done`, which ends the program.
class FirstWindowProbe : public QObject {
 public:
  explicit FirstWindowProbe(std::function<void()> done) : done_(std::move(done)) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Report();

  std::function<void()> done_;
  bool seen_ = false;
};
