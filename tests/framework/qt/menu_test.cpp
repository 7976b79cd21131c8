#include <gtest/gtest.h>

#include <QTest>

#include "framework/qt/menu_shortcuts.h"
#include "qt_fixture.h"

namespace qttest {
namespace {

TEST(ShortcutKey, CmdAndALetterIsCtrlAndThatLetter) {
  EXPECT_EQ(fw::qt::ShortcutKey("Cmd+Q"), QKeySequence(QStringLiteral("Ctrl+Q")));
  EXPECT_EQ(fw::qt::ShortcutKey("Cmd+a"), QKeySequence(QStringLiteral("Ctrl+A")));
  for (const char* none : {"", "Cmd+", "Cmd+QQ", "Cmd+1", "Ctrl+Q", "Q", "cmd+Q"}) {
    EXPECT_TRUE(fw::qt::ShortcutKey(none).isEmpty()) << none;
  }
}

class MenuShortcuts : public QtTest {
 protected:
  // A bar like the program's: File with the quit item, Edit with a plain item.
  static std::shared_ptr<fw::MenuBar> Bar() {
    auto bar = std::make_shared<fw::MenuBar>();
    auto file = std::make_shared<fw::MenuItem>();
    file->SetName("FileMenu");
    auto quit = std::make_shared<fw::QuitMenuItem>();
    quit->SetName("FileQuit");
    quit->SetKeyboardShortcut("Cmd+Q");
    file->Append(quit);
    auto edit = std::make_shared<fw::MenuItem>();
    edit->SetName("EditMenu");
    auto copy = std::make_shared<fw::MenuItem>();
    copy->SetKeyboardShortcut("Cmd+C");
    edit->Append(copy);
    auto line = std::make_shared<fw::MenuItem>();
    line->SetText("-");
    edit->Append(line);
    bar->Append(file);
    bar->Append(edit);
    return bar;
  }

  static void Type(const fw::Window& window, Qt::Key key) {
    QWidget* widget = WidgetOf(window);
    widget->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    QTest::keyClick(HandleOf(window), key, Qt::ControlModifier);
  }
};

TEST_F(MenuShortcuts, QuitShortcutOnAWindowWithoutItsOwnBarUsesTheApplications) {
  auto application = std::make_shared<fw::Application>();
  application->SetMenuBar(Bar());
  fw::RuntimeRegisterAppObject(application);
  auto window = ShowWindow();
  ASSERT_EQ(window->GetMenuBar(), nullptr);

  Type(*window, Qt::Key_C);
  EXPECT_FALSE(fw::QuitRequested());
  Type(*window, Qt::Key_Q);
  EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(MenuShortcuts, QuitShortcutOnAWindowWithItsOwnHiddenBar) {
  auto window = ShowWindow();
  window->SetMenuBarVisible(false);
  window->SetMenuBar(Bar());
  Type(*window, Qt::Key_Q);
  EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(MenuShortcuts, TwoWindowsWithTheSameBarEachTakeTheShortcut) {
  auto bar = Bar();
  auto first = ShowWindow();
  first->SetMenuBar(bar);
  auto second = ShowWindow();
  second->SetMenuBar(bar);
  Type(*second, Qt::Key_Q);
  EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(MenuShortcuts, ADroppedBarTakesItsShortcutsAlong) {
  auto window = ShowWindow();
  window->SetMenuBar(Bar());
  window->SetMenuBar(nullptr);
  Flush();
  Type(*window, Qt::Key_Q);
  EXPECT_FALSE(fw::QuitRequested());
}

}  // namespace
}  // namespace qttest
