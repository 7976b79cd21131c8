#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "qt_fixture.h"

namespace qttest {
namespace {

// A shown, active window; keys go in through Qt's window-system input.
class KeyTest : public QtTest {
 protected:
  void SetUp() override {
    QtTest::SetUp();
    window = ShowWindow(400, 300);
  }

  void Activate() {
    QWidget* top = WidgetOf(*window);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(HandleOf(*window), key, modifiers);
  }

  std::string Focused() const { return FocusedControl(*window); }

  std::shared_ptr<fw::Window> window;
};

// Counts each button's Action.
struct Presses {
  std::map<std::string, int> count;
  void Bind(fw::PushButton& button) {
    button.Action.Bind("( PushButton )", [this](fw::Control& c) { ++count[c.RegisteredName()]; });
  }
};

class DefaultAndCancel : public KeyTest {
 protected:
  void SetUp() override {
    KeyTest::SetUp();
    Add<fw::PushButton>(*window, "Other", 10, 10, 100, 30);
    fw::PushButton& go = Add<fw::PushButton>(*window, "Go", 10, 50, 100, 30);
    fw::PushButton& stop = Add<fw::PushButton>(*window, "Stop", 10, 90, 100, 30);
    // A second default button, as the settings window has one at times: the first one wins.
    Add<fw::PushButton>(*window, "Also", 120, 50, 100, 30).SetDefault(true);
    Add<fw::CheckBox>(*window, "Check", 10, 130, 100, 20);
    Add<fw::Slider>(*window, "Slide", 10, 160, 100, 28);
    fw::PopupMenu& pick = Add<fw::PopupMenu>(*window, "Pick", 10, 200, 150, 30);
    pick.SetInitialValue("a\rb\rc");
    go.SetDefault(true);
    stop.SetCancel(true);
    for (const char* name : {"Other", "Go", "Stop", "Also"})
      presses.Bind(*window->Get<fw::PushButton>(name));
    Activate();
  }

  Presses presses;
};

struct KeyCase {
  const char* what;
  const char* focus;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* pressed;  // nullptr: none
};

TEST_F(DefaultAndCancel, EachKeyPressesOneButtonOnce) {
  const KeyCase cases[] = {
      {"Return on the default button itself", "Go", Qt::Key_Return, Qt::NoModifier, "Go"},
      {"Return on another button", "Other", Qt::Key_Return, Qt::NoModifier, "Other"},
      {"Return on the cancel button", "Stop", Qt::Key_Return, Qt::NoModifier, "Stop"},
      {"Return on the second default button", "Also", Qt::Key_Return, Qt::NoModifier, "Also"},
      {"Return on a check box", "Check", Qt::Key_Return, Qt::NoModifier, "Go"},
      {"Return on a slider", "Slide", Qt::Key_Return, Qt::NoModifier, "Go"},
      {"Return on a pop-up", "Pick", Qt::Key_Return, Qt::NoModifier, "Go"},
      {"Enter on the keypad on a button", "Other", Qt::Key_Enter, Qt::KeypadModifier, "Other"},
      {"Enter on the keypad on a check box", "Check", Qt::Key_Enter, Qt::KeypadModifier, "Go"},
      {"Esc on the default button", "Go", Qt::Key_Escape, Qt::NoModifier, "Stop"},
      {"Esc on a pop-up", "Pick", Qt::Key_Escape, Qt::NoModifier, "Stop"},
      {"Esc on a slider", "Slide", Qt::Key_Escape, Qt::NoModifier, "Stop"},
      {"Shift+Return", "Other", Qt::Key_Return, Qt::ShiftModifier, nullptr},
      {"Ctrl+Esc", "Other", Qt::Key_Escape, Qt::ControlModifier, nullptr},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    presses.count.clear();
    WidgetOf(*window->ControlByName(c.focus))->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(Focused(), c.focus);
    Key(c.key, c.modifiers);
    std::map<std::string, int> expected;
    if (c.pressed != nullptr) expected[c.pressed] = 1;
    EXPECT_EQ(presses.count, expected);
    // The focused control took nothing from the key.
    EXPECT_FALSE(window->Get<fw::CheckBox>("Check")->Value());
    EXPECT_EQ(window->Get<fw::Slider>("Slide")->Value(), 0);
    EXPECT_EQ(window->Get<fw::PopupMenu>("Pick")->ListIndex(), 0);
  }
}

TEST_F(DefaultAndCancel, ADisabledOrHiddenButtonIsNotPressed) {
  // No button has the focus.
  WidgetOf(*window->ControlByName("Check"))->setFocus(Qt::OtherFocusReason);
  window->Get<fw::PushButton>("Stop")->SetEnabled(false);
  Key(Qt::Key_Escape);
  EXPECT_TRUE(presses.count.empty());

  // The next usable default button takes Return, then none is left.
  window->Get<fw::PushButton>("Go")->SetVisible(false);
  Key(Qt::Key_Return);
  window->Get<fw::PushButton>("Also")->SetEnabled(false);
  Key(Qt::Key_Return);
  EXPECT_EQ(presses.count, (std::map<std::string, int>{{"Also", 1}}));
}

TEST_F(DefaultAndCancel, SpacePressesTheFocusedButtonAndAHeldKeyPressesOnce) {
  WidgetOf(*window->ControlByName("Other"))->setFocus(Qt::OtherFocusReason);
  Key(Qt::Key_Space);
  EXPECT_EQ(presses.count, (std::map<std::string, int>{{"Other", 1}}));

  // A held Return on the focused button and on the default button: one press each, then
  // the key's repeats.
  for (const char* name : {"Other", "Go"}) {
    SCOPED_TRACE(name);
    presses.count.clear();
    WidgetOf(*window->ControlByName(name))->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_Return);
    for (int n = 0; n < 3; ++n) {
      QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                       true);
      QCoreApplication::sendEvent(QApplication::focusWidget(), &repeat);
    }
    EXPECT_EQ(presses.count, (std::map<std::string, int>{{name, 1}}));
  }
}

using TabOrder = KeyTest;

TEST_F(TabOrder, TabFollowsTabIndexPerContainerAndSkipsWhatCannotTakeTheFocus) {
  // Created out of keyboard order, with controls that never take the focus between them.
  Add<fw::PushButton>(*window, "Late", 300, 10, 80, 30).SetTabIndex(9);
  Add<fw::Rectangle>(*window, "Panel", 10, 10, 200, 120).SetTabIndex(3);
  Add<fw::Slider>(*window, "Slow", 20, 20, 100, 28, "Panel").SetTabIndex(4);
  Add<fw::PopupMenu>(*window, "Pick", 20, 60, 100, 30, "Panel").SetTabIndex(1);
  Add<fw::ProgressBar>(*window, "Bar", 20, 100, 100, 19, "Panel").SetTabIndex(0);
  Add<fw::Label>(*window, "Scale", 10, 140, 200, 30).SetTabIndex(5);
  Add<fw::Slider>(*window, "Knob", 30, 140, 100, 28, "Scale").SetTabIndex(0);
  Add<fw::PushButton>(*window, "First", 300, 50, 80, 30).SetTabIndex(0);
  Add<fw::CheckBox>(*window, "Tick", 220, 140, 80, 20).SetTabIndex(5);
  Add<fw::PushButton>(*window, "Off", 300, 90, 80, 30).SetTabIndex(1);
  Add<fw::PushButton>(*window, "Gone", 300, 130, 80, 30).SetTabIndex(2);
  Add<fw::PushButton>(*window, "Dim", 300, 170, 80, 30).SetTabIndex(2);
  Add<fw::Label>(*window, "Note", 10, 180, 100, 20).SetTabIndex(4);
  Add<fw::ImageWell>(*window, "Well", 120, 180, 50, 50).SetTabIndex(6);
  Add<fw::Separator>(*window, "Line", 10, 235, 200, 3).SetTabIndex(7);
  Add<fw::GroupBox>(*window, "Group", 10, 240, 200, 50).SetTabIndex(8);
  Add<fw::CheckBox>(*window, "Inner", 20, 260, 100, 20, "Group").SetTabIndex(0);
  window->Get<fw::PushButton>("Off")->SetTabStop(false);
  window->Get<fw::PushButton>("Gone")->SetVisible(false);
  window->Get<fw::PushButton>("Dim")->SetEnabled(false);
  Activate();

  const auto visit = [&](Qt::KeyboardModifiers modifiers) {
    std::vector<std::string> seen;
    for (int n = 0; n < 8; ++n) {
      Key(Qt::Key_Tab, modifiers);
      seen.push_back(Focused());
    }
    return seen;
  };
  using Names = std::vector<std::string>;
  WidgetOf(*window->ControlByName("First"))->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(visit(Qt::NoModifier),
            (Names{"Pick", "Slow", "Knob", "Tick", "Inner", "Late", "First", "Pick"}));
  EXPECT_EQ(visit(Qt::ShiftModifier),
            (Names{"First", "Late", "Inner", "Tick", "Knob", "Slow", "Pick", "First"}));

  // The order follows later changes; in the panel Knob ties with Bar, created before it.
  window->Get<fw::PushButton>("First")->SetTabIndex(20);
  window->Get<fw::PushButton>("Off")->SetTabStop(true);
  window->Get<fw::PushButton>("Dim")->SetEnabled(true);
  window->Get<fw::Slider>("Knob")->SetInitialParent("Panel");
  EXPECT_EQ(visit(Qt::NoModifier),
            (Names{"Off", "Dim", "Knob", "Pick", "Slow", "Tick", "Inner", "Late"}));

  // A focused control that is disabled hands the focus on to the next stop.
  window->Get<fw::PushButton>("Late")->SetEnabled(false);
  EXPECT_EQ(Focused(), "First");
}

TEST_F(TabOrder, AnActivatedWindowFocusesItsFirstStop) {
  // Qt's own chain would start at the button created first.
  Add<fw::PushButton>(*window, "Second", 10, 10, 80, 30).SetTabIndex(2);
  Add<fw::Label>(*window, "Caption", 10, 50, 80, 20).SetTabIndex(0);
  Add<fw::PushButton>(*window, "First", 10, 90, 80, 30).SetTabIndex(1);
  std::shared_ptr<fw::Window> other = ShowWindow(100, 100);
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*other)));
  window->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*window)));
  EXPECT_EQ(Focused(), "First");

  // Without a stop nothing takes the focus, not even by Qt's own chain.
  WidgetOf(*window->ControlByName("First"))->clearFocus();
  for (const char* name : {"First", "Second"})
    window->Get<fw::PushButton>(name)->SetTabStop(false);
  other->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*other)));
  window->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(*window)));
  EXPECT_EQ(Focused(), "");
}

}  // namespace
}  // namespace qttest
