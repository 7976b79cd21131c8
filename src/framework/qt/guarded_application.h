#pragma once

#include <QApplication>
#include <exception>
#include <utility>

#include "framework/qt/pointer_position.h"

namespace fw::qt {

// The QApplication of the program. No exception may cross Qt's event loop: the first one
// that leaves a handler is kept, the loop is told to end, and from then on no input, timer
// or queued call reaches a handler until the loop's owner takes the exception back. It also
// shows every event it delivers to its pointer track.
class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv);
  ~GuardedApplication() override;

  bool notify(QObject* receiver, QEvent* event) override;

  // Keeps the exception (the first one wins) and ends the running loop.
  void Fail(std::exception_ptr error);
  bool Failed() const { return static_cast<bool>(failure_); }
  // The kept exception, or nullptr; handlers run again afterwards.
  std::exception_ptr TakeFailure() { return std::exchange(failure_, nullptr); }

  // The last pointer position that a window received.
  const PointerTrack& Pointer() const { return pointer_; }

  // The running instance, or nullptr.
  static GuardedApplication* Instance();

 private:
  std::exception_ptr failure_;
  PointerTrack pointer_;
};

// Runs framework code on behalf of a Qt event: nothing runs after a failure, and an exception
// is handed to the application instead of unwinding through Qt.
template <class F>
void Deliver(F&& code) {
  GuardedApplication* app = GuardedApplication::Instance();
  if (app == nullptr || app->Failed()) return;
  try {
    code();
  } catch (...) {
    app->Fail(std::current_exception());
  }
}

}  // namespace fw::qt
