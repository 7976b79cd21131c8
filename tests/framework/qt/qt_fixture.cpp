#include "qt_fixture.h"

#include <QApplication>
#include <QTest>
#include <string>

namespace qttest {

void QtTest::SetUp() {
  HeadlessTest::SetUp();
  Platform().Install();
}

void QtTest::TearDown() {
  HeadlessTest::TearDown();
  Flush();
}

std::shared_ptr<fw::Window> QtTest::NewWindow(fw::Int32 width, fw::Int32 height) {
  static const fw::ClassInfo info = fw::DeriveClass("QtTest.Window", fw::WindowClass());
  std::shared_ptr<fw::Window> window = fw::CreateWindowObject<fw::Window>(info);
  window->SetWidth(width);
  window->SetHeight(height);
  window->SetTitle("test");
  return window;
}

std::shared_ptr<fw::Window> QtTest::ShowWindow(fw::Int32 width, fw::Int32 height) {
  std::shared_ptr<fw::Window> window = NewWindow(width, height);
  window->Show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(*window)));
  return window;
}

std::shared_ptr<fw::Window> QtTest::ShowClickWindow(fw::Int32 width, fw::Int32 height) {
  static const fw::ClassInfo info = [] {
    fw::ClassInfo c = fw::DeriveClass("QtTest.ClickWindow", fw::WindowClass());
    c.events.MouseDown = [](fw::Window& w, fw::Int32 x, fw::Int32 y) {
      w.SetTitle(std::to_string(x) + "," + std::to_string(y));
      return true;
    };
    return c;
  }();
  std::shared_ptr<fw::Window> window = fw::CreateWindowObject<fw::Window>(info);
  window->SetWidth(width);
  window->SetHeight(height);
  window->Show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(*window)));
  return window;
}

QWidget* WidgetOf(const fw::Control& control) {
  fw::qt::ControlPeer* peer = fw::qt::PeerOf(control);
  return peer ? peer->Widget() : nullptr;
}

QWidget* WidgetOf(const fw::Window& window) {
  auto* peer = dynamic_cast<fw::qt::WindowPeer*>(window.GetPeer());
  return peer ? peer->Widget() : nullptr;
}

QWindow* HandleOf(const fw::Window& window) {
  return WidgetOf(window)->windowHandle();
}

QPoint InWindow(const fw::Control& control, int x, int y) {
  QWidget* widget = WidgetOf(control);
  return widget->mapTo(widget->window(), QPoint(x, y));
}

std::string FocusedControl(const fw::Window& window) {
  QWidget* focus = QApplication::focusWidget();
  for (const std::unique_ptr<fw::Control>& control : window.Controls()) {
    if (focus != nullptr && WidgetOf(*control) == focus) return control->RegisteredName();
  }
  return "";
}

}  // namespace qttest
