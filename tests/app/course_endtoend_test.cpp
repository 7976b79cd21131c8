#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/menu_bar1.h"
#include "app/startup.h"
#include "editor/setform.h"
#include "framework/framework.h"
#include "model/module1.h"
#include "readout/startform.h"
#include "support/device_sim.h"
#include "support/headless.h"

namespace {

using Bar = class app::MenuBar1;

// Whole runs from app::main() to the exit status, driven as the device drives them: a
// read-out over the start window's button, then switch presses over the settings window's
// description panel. The events are posted before the run and carried out in order.
class CourseEndToEnd : public testsupport::HeadlessTest {
 protected:
  void TearDown() override {
    Bar::_implicitInstance.Exit();
    HeadlessTest::TearDown();
  }

  // The device's read-out of `bits`, then the timer's tick after the completion.
  void PostReadout(std::vector<int> bits) {
    Clock().Post([bits] {
      testsupport::DriveReadout(*readout::Startform()->PushButton1(), bits);
      Clock().Advance(500);
    });
  }

  // Moves over the description panel, relative to the last position the decoder accepted.
  static void MoveBy(fw::Int32 dx, fw::Int32 dy) {
    editor::Setform()->StaticText1()->MouseMove.Raise(Module1::mousX + dx, Module1::mousY + dy);
  }
  static void Arm() { MoveBy(300, 0); }
  static void ShortPress() {
    MoveBy(0, -3);
    MoveBy(0, 3);
  }
  static void LongPress() {
    MoveBy(-3, 0);
    MoveBy(3, 0);
  }
};

TEST_F(CourseEndToEnd, ReadOutThenFinishWithChange) {
  std::mt19937 rng(20240611);
  std::vector<int> bits = testsupport::RandomBits(rng);
  PostReadout(bits);
  bool checked = false;
  Clock().Post([&] {
    auto start = readout::Startform();
    auto settings = fw::GetImplicitWindow("Setform.Setform");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(fw::Windows().size(), 2u);
    EXPECT_TRUE(settings->Visible());
    EXPECT_FALSE(start->Visible());
    EXPECT_EQ(Clock().NextTickIn(*start->Timer1()), -1);
    EXPECT_NE(settings->Title(), "ヌピレオ設定");
    EXPECT_EQ(Module1::i, 41);
    // The settings window is not given the menu bar; the start window keeps it.
    EXPECT_EQ(settings->GetMenuBar(), nullptr);
    EXPECT_EQ(start->GetMenuBar(), Bar::_implicitInstance.Get());
    // Each window's getter of a shared name reaches its own control.
    EXPECT_NE(static_cast<fw::Control*>(start->PushButton1().get()),
              static_cast<fw::Control*>(editor::Setform()->PushButton1().get()));
    checked = true;
  });
  // Finish item: the continue choice, then finish with change, carried out by a short press.
  Clock().Post([] {
    Arm();
    LongPress();
    LongPress();
    EXPECT_EQ(Module1::btn13, 2);
    EXPECT_TRUE(editor::Setform()->PushButton15()->Bold());
    ShortPress();
  });
  bool after = false;
  Clock().Post([&] { after = true; });

  EXPECT_EQ(app::main(), 0);
  EXPECT_TRUE(checked);
  EXPECT_FALSE(after);
  EXPECT_TRUE(fw::Windows().empty());
  EXPECT_EQ(Bar::_implicitInstance.Get(), nullptr);
  EXPECT_TRUE(Module1::bits.IsNil());
}

TEST_F(CourseEndToEnd, ClickOnTheSettingsWindowBackgroundEnds) {
  PostReadout(std::vector<int>(41, 1));
  Clock().Post([] { fw::GetImplicitWindow("Setform.Setform")->RaiseMouseDown(5, 5); });
  bool after = false;
  Clock().Post([&] { after = true; });
  EXPECT_EQ(app::main(), 0);
  EXPECT_FALSE(after);
  EXPECT_TRUE(fw::Windows().empty());
}

TEST_F(CourseEndToEnd, ReadOutWithoutResponseTimesOutAndQuits) {
  bool shown = false;
  Clock().Post([&] {
    testsupport::Click(*readout::Startform()->PushButton1());
    Clock().Advance(10 * 400);
    EXPECT_EQ(readout::Startform()->StaticText3()->Text(), "応答がありません。中断します。");
    EXPECT_EQ(readout::Startform()->Rectangle1()->FillColor(), fw::RGB(255, 80, 240));
    EXPECT_FALSE(fw::QuitRequested());
    shown = true;
    Clock().Advance(2000);
    EXPECT_TRUE(fw::QuitRequested());
  });
  EXPECT_EQ(app::main(), 0);
  EXPECT_TRUE(shown);
  EXPECT_EQ(fw::GetImplicitWindow("Setform.Setform"), nullptr);
  EXPECT_TRUE(fw::Windows().empty());
}

}  // namespace
