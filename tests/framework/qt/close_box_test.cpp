#include <gtest/gtest.h>

#include <QTest>

#include "qt_fixture.h"

namespace qttest {
namespace {

using CloseBox = QtTest;

// The close box: QWindow::close() goes through the platform window, which hands Qt the same
// close event that the window system sends for a click on the box.
void ClickCloseBox(QWindow* handle) {
  handle->close();
}

TEST_F(CloseBox, ClosesTheWindowAndItsImplicitInstance) {
  static const fw::ClassInfo info = fw::DeriveClass("QtTest.Closing", fw::WindowClass());
  std::weak_ptr<fw::Window> weak;
  {
    auto window = fw::CreateWindowObject<fw::Window>(info);
    window->SetWidth(200);
    window->SetHeight(100);
    Add<fw::Label>(*window, "StaticText1", 0, 0, 100, 20).SetText("x");
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(*window)));
    weak = window;
  }
  auto other = ShowWindow();
  ASSERT_NE(fw::GetImplicitWindow("QtTest.Closing"), nullptr);

  ClickCloseBox(HandleOf(*weak.lock()));
  EXPECT_EQ(fw::GetImplicitWindow("QtTest.Closing"), nullptr);
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(fw::Windows().size(), 1u);
  // Another window is still on screen: the run goes on.
  EXPECT_FALSE(fw::QuitRequested());
  Flush();

  // The last visible window closed: nothing is left to use.
  ClickCloseBox(HandleOf(*other));
  EXPECT_TRUE(fw::QuitRequested());
}

}  // namespace
}  // namespace qttest
