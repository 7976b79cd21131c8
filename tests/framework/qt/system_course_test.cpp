#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <random>

#include "framework/qt/qt_loop.h"
#include "model/module1.h"
#include "support/device_sim.h"
#include "system_course.h"

namespace qttest {
namespace {

TEST_F(SystemCourse, AReadOutOverTheRealButtonDecodesEveryBit) {
  std::mt19937 rng(5150);
  const std::vector<int> bits = testsupport::RandomBits(rng);
  bool checked = false;
  Script script;
  script.Then([&] { ReadoutThroughButton(bits); })
      .Then([&] {
        for (int n = 0; n < 41; ++n)
          ASSERT_EQ(Module1::bits(n), bits[n]) << "bit " << n;
        EXPECT_EQ(Module1::i, 41);
        EXPECT_FALSE(WidgetOf(WindowNamed(kStart))->isVisible());
        EXPECT_TRUE(WidgetOf(WindowNamed(kSettings))->isVisible());
        checked = true;
      })
      // The tick after the completion stops the timer.
      .Then(
          [&] {
            fw::Window& start = WindowNamed(kStart);
            auto& loop = dynamic_cast<fw::qt::QtLoop&>(fw::Loop());
            const QTimer* timer = loop.TimerFor(*start.Get<fw::Timer>("Timer1"));
            ASSERT_NE(timer, nullptr);
            EXPECT_FALSE(timer->isActive());
          },
          700)
      // A click on the settings window's background ends the run.
      .Then([] {
        QTest::mouseClick(HandleNamed(kSettings), Qt::LeftButton, Qt::NoModifier, {5, 5});
      });
  EXPECT_EQ(Run(script), 0);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(fw::Windows().empty());
}

TEST_F(SystemCourse, PressesOverTheRealDescriptionPanelDriveTheEditor) {
  Panel panel;
  bool checked = false;
  Script script;
  script.Then([] { ReadoutThroughButton(Version45Bits()); })
      .Then([&] {
        EXPECT_NE(WidgetOf(WindowNamed(kSettings))
                      ->windowTitle()
                      .indexOf(QStringLiteral("Hard: Ver.4.5")),
                  -1);
        // The jump that arms the decoder, then a short press: item 13 to item 1.
        panel.MoveTo({300, 50});
        panel.ShortPress();
        EXPECT_EQ(Module1::btnindex, 1);
        EXPECT_TRUE(Button(kSettings, "PushButton1")->isDefault());
        EXPECT_TRUE(Button(kSettings, "PushButton1")->font().bold());
        EXPECT_FALSE(Button(kSettings, "PushButton13")->font().bold());
        // A short press over a control beside the panel reaches nothing.
        QTest::mouseMove(HandleNamed(kSettings), {10, 450});
        QTest::mouseMove(HandleNamed(kSettings), {10, 447});
        QTest::mouseMove(HandleNamed(kSettings), {10, 450});
        EXPECT_EQ(Module1::btnindex, 1);
        // Twelve more short presses: back at the finish item; two long presses choose
        // finish with change.
        panel.MoveTo(panel.At());
        for (int n = 0; n < 12; ++n)
          panel.ShortPress();
        EXPECT_EQ(Module1::btnindex, 13);
        panel.LongPress();
        panel.LongPress();
        EXPECT_EQ(Module1::btn13, 2);
        EXPECT_TRUE(Button(kSettings, "PushButton15")->font().bold());
        checked = true;
        panel.ShortPress();
      })
      .Then([] { ADD_FAILURE() << "the run went on after finish with change"; });
  EXPECT_EQ(Run(script, false), 0);
  EXPECT_TRUE(checked);
}

void TypeQuitShortcut(const char* window) {
  ActivateWindow(window);
  QTest::keyClick(HandleNamed(window), Qt::Key_Q, Qt::ControlModifier);
}

TEST_F(SystemCourse, TheQuitShortcutEndsTheRunOnTheStartWindow) {
  Script script;
  script.Then([] { TypeQuitShortcut(kStart); });
  EXPECT_EQ(Run(script), 0);
}

TEST_F(SystemCourse, TheQuitShortcutEndsTheRunOnTheSettingsWindow) {
  // The settings window has no menu bar of its own: the application's serves it.
  Script script;
  script.Then([] { ReadoutThroughButton(Version45Bits()); }).Then([] {
    EXPECT_EQ(WindowNamed(kSettings).GetMenuBar(), nullptr);
    TypeQuitShortcut(kSettings);
  });
  EXPECT_EQ(Run(script), 0);
}

}  // namespace
}  // namespace qttest
