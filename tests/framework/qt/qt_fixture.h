#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <string>

#include "framework/framework.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/platform.h"
#include "framework/qt/window_peer.h"
#include "qt_print.h"
#include "support/headless.h"

namespace qttest {

// A fresh framework and model per test, with the Qt platform's peers, loop and decoder.
class QtTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A window of a plain test class, `width` x `height`, not shown yet.
  std::shared_ptr<fw::Window> NewWindow(fw::Int32 width, fw::Int32 height);
  // A shown window of a plain test class, `width` x `height`, exposed on the offscreen screen.
  std::shared_ptr<fw::Window> ShowWindow(fw::Int32 width = 400, fw::Int32 height = 300);

  // A shown window whose MouseDown writes its X and Y into its title ("601,403") and is handled.
  std::shared_ptr<fw::Window> ShowClickWindow(fw::Int32 width, fw::Int32 height);

  // Registers a new control of class T in `window` at window coordinates, optionally inside
  // the named container.
  template <class T>
  T& Add(fw::Window& window, const std::string& name, fw::Int32 left, fw::Int32 top,
         fw::Int32 width, fw::Int32 height, const std::string& container = "") {
    window.AddControl(name, window.New<T>());
    T& control = *window.Get<T>(name);
    control.SetInitialParent(container);
    control.SetLeft(left);
    control.SetTop(top);
    control.SetWidth(width);
    control.SetHeight(height);
    return control;
  }

  // Deletes the widgets whose peers went.
  static void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  static fw::qt::Platform& Platform() { return *fw::qt::Platform::Current(); }
};

QWidget* WidgetOf(const fw::Control& control);
QWidget* WidgetOf(const fw::Window& window);
QWindow* HandleOf(const fw::Window& window);

// The point at `(x, y)` of the control's own pixels in its window's content coordinates.
QPoint InWindow(const fw::Control& control, int x, int y);

// The registered name of the window's control whose widget has the keyboard focus, or "".
std::string FocusedControl(const fw::Window& window);

}  // namespace qttest
