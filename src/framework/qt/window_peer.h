#pragma once

#include <QPointer>
#include <QWidget>

#include "framework/peer.h"
#include "framework/qt/menu_shortcuts.h"
#include "framework/window.h"

namespace fw::qt {

class QtPeerFactory;

// A framework window's top-level widget. Its own coordinates are the window's content
// coordinates, in which every design position is given.
class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(Window& window) : window_(&window) {}
  // The framework window is gone: the widget reports nothing more.
  void Detach() { window_ = nullptr; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The keyboard (window_keyboard.cpp): Return and Enter press the focused or else the
  // default button, Esc the cancel button; Tab follows the framework's keyboard order;
  // activation focuses its first stop.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Gives the native window, and each native child window, its logical size at the scale of
  // the screen it is on now.
  void KeepLogicalSize();

  Window* window_;
};

class WindowPeer : public Peer {
 public:
  WindowPeer(Window& window, QtPeerFactory& factory);
  ~WindowPeer() override;
  void Changed(Prop prop) override;

  QWidget* Widget() const { return widget_; }
  const MenuShortcuts& Shortcuts() const { return shortcuts_; }
  // The window's own menu bar or, without one, the application's.
  void RefreshShortcuts();

 private:
  void ApplyFlags();
  void ApplySize();
  void ApplyVisible();
  void ApplyBackground();

  Window& window_;
  QtPeerFactory& factory_;
  QPointer<WindowWidget> widget_;
  MenuShortcuts shortcuts_;
  bool placed_ = false;
};

}  // namespace fw::qt
