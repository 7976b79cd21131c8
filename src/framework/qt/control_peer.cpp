#include "framework/qt/control_peer.h"

#include <QApplication>
#include <QMouseEvent>

#include "framework/qt/guarded_application.h"
#include "framework/qt/pointer_position.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

namespace fw::qt {

namespace {
QWidget* WindowWidgetOf(const Control& control) {
  Window* window = control.GetWindow();
  auto* peer = window ? dynamic_cast<WindowPeer*>(window->GetPeer()) : nullptr;
  return peer ? peer->Widget() : nullptr;
}
}  // namespace

ControlPeer* PeerOf(const Control& control) {
  return dynamic_cast<ControlPeer*>(control.GetPeer());
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  ControlPeer* peer = peer_;
  if (peer == nullptr || watched != peer->widget_) return false;
  RectControl& control = peer->control_;
  switch (event->type()) {
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      // A move with a button held belongs to the press.
      if (mouse->buttons() != Qt::NoButton || !control.MouseMove.IsBound()) return false;
      if (peer->widget_->isEnabled()) {
        const ScreenPixels at = ScreenPixelPosition(*peer->widget_, *mouse);
        Deliver([&control, at] { control.MouseMove.Raise(at.x, at.y); });
      }
      // The peer may be gone now; only `this`, which goes later, is still safe.
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && peer->widget_->isEnabled()) {
        const ScreenPixels at = ScreenPixelPosition(*peer->widget_, *mouse);
        Deliver([&control, at] { control.MouseDown.Raise(at.x, at.y); });
      }
      return false;
    }
    default:
      return false;
  }
}

ControlPeer::ControlPeer(RectControl& control, QWidget* widget)
    : control_(control), widget_(widget), filter_(new InputFilter(*this)) {
  widget_->setParent(WindowWidgetOf(control));
  widget_->installEventFilter(filter_);
}

ControlPeer::~ControlPeer() {
  if (filter_ && widget_) QObject::disconnect(widget_, nullptr, filter_, nullptr);
  if (filter_) {
    filter_->Detach();
    filter_->deleteLater();
  }
  if (widget_) {
    widget_->hide();
    // The peer may go from inside the widget's own event handler.
    widget_->deleteLater();
  }
}

void ControlPeer::ApplyAll() {
  for (int p = 0; p <= static_cast<int>(Prop::Binding); ++p)
    Changed(static_cast<Prop>(p));
}

void ControlPeer::Changed(Prop prop) {
  if (!widget_) return;
  switch (prop) {
    case Prop::Left:
    case Prop::Top:
      Place();
      PlaceContained();
      break;
    case Prop::Width:
    case Prop::Height:
      Place();
      Apply(prop);
      break;
    case Prop::InitialParent:
      AttachToContainer();
      break;
    case Prop::Visible:
      widget_->setVisible(control_.Visible());
      break;
    case Prop::Enabled:
      widget_->setEnabled(control_.Enabled());
      break;
    case Prop::TabStop:
      ApplyTabStop();
      break;
    case Prop::Binding:
      if (control_.MouseMove.IsBound()) widget_->setMouseTracking(true);
      break;
    default:
      Apply(prop);
      break;
  }
}

QWidget* ControlPeer::ContainerWidget() const {
  if (RectControl* container = control_.Parent()) {
    if (ControlPeer* peer = PeerOf(*container)) return peer->Widget();
  }
  return WindowWidgetOf(control_);
}

void ControlPeer::AttachToContainer() {
  QWidget* container = ContainerWidget();
  if (container != nullptr && widget_->parentWidget() != container) {
    widget_->setParent(container);
    // A widget given a new parent is hidden until shown again.
    widget_->setVisible(control_.Visible());
  }
  Place();
}

void ControlPeer::Place() {
  Int32 left = control_.Left();
  Int32 top = control_.Top();
  RectControl* container = control_.Parent();
  if (container != nullptr && PeerOf(*container) != nullptr) {
    left -= container->Left();
    top -= container->Top();
  }
  widget_->setGeometry(left, top, control_.Width(), control_.Height());
}

void ControlPeer::PlaceContained() const {
  Window* window = control_.GetWindow();
  if (window == nullptr) return;
  for (const std::unique_ptr<fw::Control>& other : window->Controls()) {
    auto* rect = dynamic_cast<RectControl*>(other.get());
    if (rect == nullptr || rect->Parent() != &control_) continue;
    if (ControlPeer* peer = PeerOf(*rect)) peer->Place();
  }
}

void ControlPeer::ApplyTabStop() {
  // Without its tab stop a control still takes the focus from a click, as its class does.
  Qt::FocusPolicy policy = class_focus_;
  if (!control_.TabStop()) policy = (policy & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus;
  widget_->setFocusPolicy(policy);
}

QFont ControlPeer::FontOf(const TextControl& control) {
  QFont font = QApplication::font();
  const std::string& family = control.TextFont();
  if (!family.empty() && family != "System" && family != "SmallSystem") {
    font.setFamily(QString::fromStdString(family));
  }
  if (control.TextSize() > 0) font.setPixelSize(control.TextSize());
  font.setBold(control.Bold());
  font.setItalic(control.Italic());
  font.setUnderline(control.Underline());
  return font;
}

}  // namespace fw::qt
