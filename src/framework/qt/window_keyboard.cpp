#include <QAbstractButton>
#include <QKeyEvent>
#include <algorithm>
#include <vector>

#include "framework/keyboard.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/window_peer.h"

// The keyboard of a window: the framework decides which button a key presses and where Tab
// goes; Qt draws the focus and carries out the press as a click.
namespace fw::qt {

namespace {

QWidget* WidgetOf(const RectControl& control) {
  ControlPeer* peer = PeerOf(control);
  return peer != nullptr ? peer->Widget() : nullptr;
}

// The control whose widget is `widget`, or nullptr.
Control* ControlOf(const Window& window, const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  for (const std::unique_ptr<Control>& control : window.Controls()) {
    const ControlPeer* peer = PeerOf(*control);
    if (peer != nullptr && peer->Widget() == widget) return control.get();
  }
  return nullptr;
}

// The button that the key presses, or nullptr: Return and Enter the focused push button or
// else the default button, Esc the cancel button, each without modifiers.
QAbstractButton* ButtonForKey(const Window& window, const QWidget* focus, const QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return nullptr;
  PushButton* button = nullptr;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      button = ReturnButton(window, ControlOf(window, focus));
      break;
    case Qt::Key_Escape:
      button = CancelButton(window);
      break;
    default:
      return nullptr;
  }
  return button != nullptr ? qobject_cast<QAbstractButton*>(WidgetOf(*button)) : nullptr;
}

bool TakesTab(const RectControl& control, const QWidget* widget) {
  return widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) && IsTabStop(control);
}

// The widget of the next (or previous) control in keyboard order after the control that
// holds `from`, going round; from the start (or the end) when no control holds it.
QWidget* NextStop(const Window& window, const QWidget* top, const QWidget* from, bool next) {
  const std::vector<RectControl*> order = KeyboardOrder(window);
  const int count = static_cast<int>(order.size());
  std::vector<QWidget*> widgets(order.size());
  std::transform(order.begin(), order.end(), widgets.begin(),
                 [](const RectControl* control) { return WidgetOf(*control); });

  int at = next ? -1 : count;
  for (const QWidget* w = from; w != nullptr && w != top; w = w->parentWidget()) {
    auto held = std::find(widgets.begin(), widgets.end(), w);
    if (held != widgets.end()) {
      at = static_cast<int>(held - widgets.begin());
      break;
    }
  }
  for (int n = 1; n <= count; ++n) {
    const int i = ((at + (next ? n : -n)) % count + count) % count;
    if (TakesTab(*order[i], widgets[i])) return widgets[i];
  }
  return nullptr;
}

}  // namespace

bool WindowWidget::event(QEvent* event) {
  // Qt hands the focus on activation to its focus widget, or without one to the first in
  // its own chain; the first stop of the keyboard order comes first.
  if (event->type() == QEvent::WindowActivate && window_ != nullptr) {
    const QWidget* current = focusWidget();
    if (current == nullptr || !current->isEnabled() || !current->isVisibleTo(this)) {
      if (QWidget* first = NextStop(*window_, this, nullptr, true)) {
        first->setFocus(Qt::ActiveWindowFocusReason);
      }
    }
  }
  return QWidget::event(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  QAbstractButton* button =
      window_ != nullptr ? ButtonForKey(*window_, focusWidget(), *event) : nullptr;
  if (button == nullptr) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  // A key held down is one press, as a mouse button held down is one click.
  if (!event->isAutoRepeat()) button->click();
}

bool WindowWidget::focusNextPrevChild(bool next) {
  if (window_ == nullptr) return QWidget::focusNextPrevChild(next);
  QWidget* target = NextStop(*window_, this, focusWidget(), next);
  if (target == nullptr) return false;
  target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace fw::qt
