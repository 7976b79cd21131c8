#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "framework/keyboard.h"
#include "support/headless.h"

namespace {

class Keyboard : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    info_ = fw::DeriveClass("Test.Keys", fw::WindowClass());
    window_ = fw::CreateWindowObject<fw::Window>(info_);
  }

  template <class T>
  T& Add(const std::string& name, fw::Int32 tabIndex, const std::string& container = "") {
    window_->AddControl(name, window_->New<T>());
    T& control = fw::Cast<T>(*window_->ControlByName(name));
    control.SetInitialParent(container);
    control.SetTabIndex(tabIndex);
    return control;
  }

  std::vector<std::string> Order() const {
    std::vector<std::string> names;
    for (const fw::RectControl* control : fw::KeyboardOrder(*window_))
      names.push_back(control->RegisteredName());
    return names;
  }

  static std::string NameOf(const fw::PushButton* button) {
    return button != nullptr ? button->RegisteredName() : "none";
  }

  fw::ClassInfo info_;
  std::shared_ptr<fw::Window> window_;
};

using Names = std::vector<std::string>;

TEST_F(Keyboard, OrderIsTabIndexPerContainerWithEachContainerAtItsOwnPlace) {
  // Created out of order, with gaps, a tie and containers two deep.
  Add<fw::PushButton>("Late", 5);
  Add<fw::Rectangle>("Panel", 2);
  Add<fw::CheckBox>("InPanel7", 7, "Panel");
  Add<fw::Slider>("InPanel0", 0, "Panel");
  Add<fw::GroupBox>("Group", 3, "Panel");
  Add<fw::PushButton>("InGroup", 0, "Group");
  Add<fw::PushButton>("First", 0);
  Add<fw::PushButton>("TieAfterLate", 5);
  Add<fw::Label>("Far", 40);
  EXPECT_EQ(Order(), (Names{"First", "Panel", "InPanel0", "Group", "InGroup", "InPanel7", "Late",
                            "TieAfterLate", "Far"}));

  // The order follows later changes of TabIndex and container.
  window_->Get<fw::PushButton>("First")->SetTabIndex(41);
  window_->Get<fw::Slider>("InPanel0")->SetInitialParent("");
  EXPECT_EQ(Order(), (Names{"InPanel0", "Panel", "Group", "InGroup", "InPanel7", "Late",
                            "TieAfterLate", "Far", "First"}));
}

TEST_F(Keyboard, ContainersInALoopLeaveTheirControlsOutAndAreNotUsable) {
  Add<fw::PushButton>("Button", 0);
  Add<fw::Label>("A", 1);
  Add<fw::Label>("B", 2, "A");
  Add<fw::CheckBox>("InB", 0, "B");
  window_->Get<fw::Label>("A")->SetInitialParent("B");
  EXPECT_EQ(Order(), (Names{"Button"}));
  EXPECT_FALSE(fw::IsUsable(*window_->Get<fw::CheckBox>("InB")));
  EXPECT_FALSE(fw::IsTabStop(*window_->Get<fw::Label>("A")));
}

struct StopCase {
  const char* what;
  std::function<void(fw::Window&)> change;
  bool stop;
};

TEST_F(Keyboard, TabStopsOnlyAtUsableControlsWithTheirTabStopOn) {
  const StopCase cases[] = {
      {"as designed", [](fw::Window&) {}, true},
      {"TabStop off", [](fw::Window& w) { w.Get<fw::Slider>("Knob")->SetTabStop(false); }, false},
      {"disabled", [](fw::Window& w) { w.Get<fw::Slider>("Knob")->SetEnabled(false); }, false},
      {"invisible", [](fw::Window& w) { w.Get<fw::Slider>("Knob")->SetVisible(false); }, false},
      {"container disabled", [](fw::Window& w) { w.Get<fw::Label>("Scale")->SetEnabled(false); },
       false},
      {"outer container invisible",
       [](fw::Window& w) { w.Get<fw::Rectangle>("Panel")->SetVisible(false); }, false},
      {"container without its tab stop",
       [](fw::Window& w) { w.Get<fw::Label>("Scale")->SetTabStop(false); }, true},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.what);
    window_ = fw::CreateWindowObject<fw::Window>(info_);
    Add<fw::Rectangle>("Panel", 0);
    Add<fw::Label>("Scale", 0, "Panel");
    Add<fw::Slider>("Knob", 0, "Scale");
    c.change(*window_);
    EXPECT_EQ(fw::IsTabStop(*window_->Get<fw::Slider>("Knob")), c.stop);
  }
}

TEST_F(Keyboard, DefaultAndCancelAreTheFirstUsableMarkedButtons) {
  EXPECT_EQ(NameOf(fw::DefaultButton(*window_)), "none");
  Add<fw::Rectangle>("Panel", 0);
  fw::PushButton& hidden = Add<fw::PushButton>("InPanel", 0, "Panel");
  fw::PushButton& dim = Add<fw::PushButton>("Dim", 1);
  fw::PushButton& first = Add<fw::PushButton>("First", 3);
  fw::PushButton& second = Add<fw::PushButton>("Second", 2);
  for (fw::PushButton* b : {&hidden, &dim, &first, &second})
    b->SetDefault(true);
  window_->Get<fw::Rectangle>("Panel")->SetVisible(false);
  dim.SetEnabled(false);
  // Creation order decides between two, not the keyboard order.
  EXPECT_EQ(NameOf(fw::DefaultButton(*window_)), "First");
  EXPECT_EQ(NameOf(fw::CancelButton(*window_)), "none");

  second.SetCancel(true);
  EXPECT_EQ(NameOf(fw::CancelButton(*window_)), "Second");
  second.SetVisible(false);
  EXPECT_EQ(NameOf(fw::CancelButton(*window_)), "none");
  first.SetEnabled(false);
  window_->Get<fw::Rectangle>("Panel")->SetVisible(true);
  EXPECT_EQ(NameOf(fw::DefaultButton(*window_)), "InPanel");
}

struct ReturnCase {
  const char* what;
  const char* focused;  // nullptr: no control has the focus
  std::function<void(fw::Window&)> change;
  const char* pressed;
};

TEST_F(Keyboard, ReturnPressesTheFocusedUsableButtonElseTheDefault) {
  const auto none = [](fw::Window&) {};
  const ReturnCase cases[] = {
      {"no focus", nullptr, none, "Go"},
      {"the default button", "Go", none, "Go"},
      {"another button", "Other", none, "Other"},
      {"the cancel button", "Stop", none, "Stop"},
      {"a button inside a container", "InPanel", none, "InPanel"},
      {"a check box", "Check", none, "Go"},
      {"a container", "Panel", none, "Go"},
      {"a disabled button", "Other",
       [](fw::Window& w) { w.Get<fw::PushButton>("Other")->SetEnabled(false); }, "Go"},
      {"a button in a hidden container", "InPanel",
       [](fw::Window& w) { w.Get<fw::Rectangle>("Panel")->SetVisible(false); }, "Go"},
      {"a button with no default one", "Other",
       [](fw::Window& w) { w.Get<fw::PushButton>("Go")->SetDefault(false); }, "Other"},
      {"a check box with no default button", "Check",
       [](fw::Window& w) { w.Get<fw::PushButton>("Go")->SetVisible(false); }, "none"},
  };
  for (const ReturnCase& c : cases) {
    SCOPED_TRACE(c.what);
    window_ = fw::CreateWindowObject<fw::Window>(info_);
    Add<fw::PushButton>("Other", 0);
    Add<fw::PushButton>("Go", 1).SetDefault(true);
    Add<fw::PushButton>("Stop", 2).SetCancel(true);
    Add<fw::Rectangle>("Panel", 3);
    Add<fw::PushButton>("InPanel", 0, "Panel");
    Add<fw::CheckBox>("Check", 4);
    c.change(*window_);
    fw::Control* focused = c.focused != nullptr ? window_->ControlByName(c.focused) : nullptr;
    EXPECT_EQ(NameOf(fw::ReturnButton(*window_, focused)), c.pressed);
  }
}

}  // namespace
