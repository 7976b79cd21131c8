#include "framework/qt/window_peer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "framework/qt/conversions.h"
#include "framework/qt/guarded_application.h"
#include "framework/qt/peer_factory.h"
#include "framework/qt/pointer_position.h"
#include "framework/runtime.h"

namespace fw::qt {

namespace {
bool AnyWindowVisible() {
  for (const std::shared_ptr<Window>& window : Windows()) {
    if (window->Visible()) return true;
  }
  return false;
}
}  // namespace

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  // Presses on a disabled control, on a label or inside a group box come up to the window
  // too; only the window's own background counts, hit-tested in logical units as Qt chose
  // the receiver.
  Window* window = window_;
  if (window == nullptr || event->button() != Qt::LeftButton ||
      childAt(event->position().toPoint()) != nullptr) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  const ScreenPixels at = ScreenPixelPosition(*this, *event);
  Deliver([window, at] { window->RaiseMouseDown(at.x, at.y); });
}

void WindowWidget::showEvent(QShowEvent* event) {
  // The native window exists now; it is made anew when the window's flags change.
  if (QWindow* handle = windowHandle()) {
    connect(handle, &QWindow::screenChanged, this, &WindowWidget::KeepLogicalSize,
            Qt::UniqueConnection);
  }
  QWidget::showEvent(event);
}

void WindowWidget::KeepLogicalSize() {
  // Qt keeps the native sizes when the window moves to a screen of another scale, and draws
  // the window at the new scale into its old pixels. Here the widgets still have their logical
  // geometry; applied again, it is turned into native pixels at the new scale.
  QWindow* handle = windowHandle();
  if (handle == nullptr) return;
  handle->resize(size());
  for (QWidget* child : findChildren<QWidget*>()) {
    QWindow* native = child->windowHandle();
    if (native == nullptr || child->isWindow()) continue;
    // A native child window lies in its nearest native ancestor's window.
    const QPoint at = child->parentWidget()->mapTo(child->nativeParentWidget(), child->pos());
    native->setGeometry(QRect(at, child->size()));
  }
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->accept();
  Window* window = window_;
  if (window == nullptr) return;
  // Close() takes this widget's peer away; the widget itself goes later.
  Deliver([window] {
    window->Close();
    // Here no menu bar outlives the windows: without a visible window the run ends.
    if (!AnyWindowVisible()) Quit(0);
  });
}

WindowPeer::WindowPeer(Window& window, QtPeerFactory& factory)
    : window_(window), factory_(factory), widget_(new WindowWidget(window)) {
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
  ApplyFlags();
  ApplySize();
  widget_->setWindowTitle(DisplayText(window_.Title()));
  ApplyBackground();
  RefreshShortcuts();
  ApplyVisible();
}

WindowPeer::~WindowPeer() {
  shortcuts_.Clear();
  if (!widget_) return;
  widget_->Detach();
  widget_->hide();
  // The peer may go from inside the widget's own event handler (its close box).
  widget_->deleteLater();
}

void WindowPeer::Changed(Prop prop) {
  if (!widget_) return;
  switch (prop) {
    case Prop::Title:
      widget_->setWindowTitle(DisplayText(window_.Title()));
      break;
    case Prop::Width:
    case Prop::Height:
    case Prop::MinWidth:
    case Prop::MinHeight:
    case Prop::MaxWidth:
    case Prop::MaxHeight:
    case Prop::Resizeable:
      ApplySize();
      if (prop == Prop::Resizeable) ApplyFlags();
      break;
    case Prop::Visible:
      ApplyVisible();
      break;
    case Prop::CloseButton:
    case Prop::MinimizeButton:
    case Prop::MaximizeButton:
      ApplyFlags();
      break;
    case Prop::HasBackColor:
    case Prop::BackColor:
      ApplyBackground();
      break;
    case Prop::MenuBar:
      RefreshShortcuts();
      break;
    default:
      break;
  }
}

void WindowPeer::ApplyFlags() {
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (window_.CloseButton()) flags |= Qt::WindowCloseButtonHint;
  if (window_.MinimizeButton()) flags |= Qt::WindowMinimizeButtonHint;
  if (window_.MaximizeButton() && window_.Resizeable()) flags |= Qt::WindowMaximizeButtonHint;
  if (widget_->windowFlags() == flags) return;
  const bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  // Changing the flags hides a shown window.
  if (shown) widget_->show();
}

void WindowPeer::ApplySize() {
  const QSize size(window_.Width(), window_.Height());
  if (window_.Resizeable()) {
    widget_->setMinimumSize(window_.MinWidth(), window_.MinHeight());
    widget_->setMaximumSize(window_.MaxWidth(), window_.MaxHeight());
    widget_->resize(size);
  } else {
    widget_->setFixedSize(size);
  }
}

void WindowPeer::ApplyVisible() {
  if (!window_.Visible()) {
    widget_->hide();
    return;
  }
  if (!placed_) {
    // First appearance: centred on the screen.
    placed_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      QRect frame(QPoint(0, 0), widget_->size());
      frame.moveCenter(area.center());
      widget_->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }
  }
  if (widget_->isVisible()) {
    // Show on a window already shown brings it to the front.
    widget_->raise();
  } else {
    widget_->show();
  }
  widget_->activateWindow();
}

void WindowPeer::ApplyBackground() {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, window_.HasBackColor()
                                         ? ToQColor(window_.BackColor())
                                         : QApplication::palette().color(QPalette::Window));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(window_.HasBackColor());
}

void WindowPeer::RefreshShortcuts() {
  std::shared_ptr<MenuBar> bar = window_.GetMenuBar();
  if (!bar) {
    if (Application* application = factory_.CurrentApplication()) bar = application->GetMenuBar();
  }
  if (bar == nullptr && shortcuts_.Shortcuts().empty()) return;
  shortcuts_.Install(*widget_, std::move(bar));
}

}  // namespace fw::qt
