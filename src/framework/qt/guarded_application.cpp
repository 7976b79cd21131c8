#include "framework/qt/guarded_application.h"

#include <QEvent>

namespace fw::qt {

namespace {
GuardedApplication* g_instance = nullptr;

// The events through which Qt calls code that may reach a handler of the framework.
bool ReachesHandlers(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Timer:
    case QEvent::Close:
    case QEvent::MetaCall:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}
}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {
  g_instance = this;
}

GuardedApplication::~GuardedApplication() {
  g_instance = nullptr;
}

GuardedApplication* GuardedApplication::Instance() {
  return g_instance;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  if (failure_ && ReachesHandlers(event->type())) return true;
  if (receiver != nullptr) pointer_.Saw(*receiver, *event);
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    Fail(std::current_exception());
    return true;
  }
}

void GuardedApplication::Fail(std::exception_ptr error) {
  if (!failure_) failure_ = std::move(error);
  // exit(), not quit(): quit() would first send every window a close event.
  QCoreApplication::exit(1);
}

}  // namespace fw::qt
