#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "framework/controls.h"
#include "framework/peer.h"

namespace fw::qt {

class ControlPeer;

// Takes a control widget's mouse input: every move with no button held becomes one
// MouseMove of the control, consumed so that no tracking parent gets it as well; a left
// press raises MouseDown and goes on to the widget.
class InputFilter : public QObject {
 public:
  explicit InputFilter(ControlPeer& peer) : peer_(&peer) {}
  void Detach() { peer_ = nullptr; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ControlPeer* peer_;
};

// The Qt side of one visible control: its widget, placed from the control's window
// coordinates inside its container's widget.
class ControlPeer : public Peer {
 public:
  ~ControlPeer() override;
  void Changed(Prop prop) final;

  QWidget* Widget() const { return widget_; }
  RectControl& Control() const { return control_; }

  // Recomputes the widget's geometry: the control's window coordinates less its container's.
  void Place();

 protected:
  // Takes ownership of `widget`, which is put into the control's window.
  ControlPeer(RectControl& control, QWidget* widget);
  // A property of the control's own class changed; the base handles position, size,
  // container, visibility, enabling and bindings.
  virtual void Apply(Prop prop) = 0;
  // Applies every property once; the most derived constructor ends with it.
  void ApplyAll();
  // The font for a text control's TextFont, TextSize, Bold, Italic and Underline.
  static QFont FontOf(const TextControl& control);
  // The object whose connections go with the peer: signal handlers bind to it.
  QObject* Context() const { return filter_; }

 private:
  friend class InputFilter;
  QWidget* ContainerWidget() const;
  void AttachToContainer();
  void PlaceContained() const;

  void ApplyTabStop();

  RectControl& control_;
  QPointer<QWidget> widget_;
  QPointer<InputFilter> filter_;
  // How the widget's class takes the focus on this platform, read from the new widget.
  const Qt::FocusPolicy class_focus_ = widget_->focusPolicy();
};

// A property that FontOf reads.
inline bool IsFontProp(Prop prop) {
  return prop == Prop::TextFont || prop == Prop::TextSize || prop == Prop::Bold ||
         prop == Prop::Italic || prop == Prop::Underline;
}

// The control's Qt peer, or nullptr.
ControlPeer* PeerOf(const Control& control);

// The peer of a control of a framework class, or nullptr (a timer, or a control whose
// window has no Qt peer).
std::unique_ptr<Peer> MakeControlPeer(Control& control);

}  // namespace fw::qt
