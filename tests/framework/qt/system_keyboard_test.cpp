#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <string>
#include <vector>

#include "model/module1.h"
#include "support/case_name.h"
#include "support/headless.h"
#include "system_course.h"

namespace qttest {
namespace {

using testsupport::PrintTo;

using testsupport::TracedWrite;
using Names = std::vector<std::string>;

// Runs of the program driven from the keyboard, as a person setting up the device might.
using KeyboardCourse = SystemCourse;

void Type(const char* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(HandleNamed(window), key, modifiers);
}

// Every value of the settings model: its scalars, then its arrays.
std::vector<Module1::Int32> Model() {
  std::vector<Module1::Int32> values{Module1::i,     Module1::phase, Module1::tm,
                                     Module1::mousX, Module1::mousY, Module1::btnindex,
                                     Module1::btn13, Module1::sphase};
  for (Module1::ArrayRef* array :
       {&Module1::bits, &Module1::setval, &Module1::tempval, &Module1::maxval}) {
    for (Module1::Int32 n = 0; n <= array->Get().Bound(); ++n)
      values.push_back((*array)(n));
  }
  return values;
}

// The writes to the window's objects among those recorded.
std::vector<TracedWrite> WritesTo(const testsupport::TraceRecorder& trace, const char* window) {
  std::vector<TracedWrite> writes;
  for (const TracedWrite& w : trace.writes) {
    if (w.window == window) writes.push_back(w);
  }
  return writes;
}

// Keys that end the run from the start window: the cancel button, pressed from anywhere by
// Esc or, once it has the focus, by Return or Enter.
struct Ending {
  const char* name;
  std::vector<Qt::Key> keys;
  const char* lastFocus;  // where the focus is for the last key
};

class KeysThatEnd : public KeyboardCourse, public ::testing::WithParamInterface<Ending> {};

TEST_P(KeysThatEnd, OnTheStartWindowEndTheRunAtOnceWithStatusZero) {
  std::string focused;
  Script script;
  script
      .Then([&] {
        ActivateWindow(kStart);
        for (Qt::Key key : GetParam().keys) {
          focused = FocusedControl(WindowNamed(kStart));
          Type(kStart, key);
        }
      })
      .Then([] { ADD_FAILURE() << "the run went on after the keys"; });
  EXPECT_EQ(Run(script, false), 0);
  EXPECT_EQ(Module1::i, -2);
  EXPECT_EQ(focused, GetParam().lastFocus);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysThatEnd,
    ::testing::Values(Ending{"Esc", {Qt::Key_Escape}, "PushButton1"},
                      Ending{"TabReturn", {Qt::Key_Tab, Qt::Key_Return}, "PushButton2"},
                      Ending{"TabEnter", {Qt::Key_Tab, Qt::Key_Enter}, "PushButton2"}),
    [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

TEST_F(KeyboardCourse, ReturnArmsTheReadOutAndTheTimeOutThenEndsTheRun) {
  testsupport::TraceRecorder trace;
  Script script;
  script.Then([&] {
    ActivateWindow(kStart);
    fw::Window& start = WindowNamed(kStart);
    ASSERT_EQ(FocusedControl(start), "PushButton1");
    trace.writes.clear();
    Type(kStart, Qt::Key_Return);
    EXPECT_EQ(Module1::i, -1);
    EXPECT_EQ(qobject_cast<QLabel*>(WidgetOf(*start.Get<fw::Label>("StaticText3")))->text(),
              QString::fromUtf8("データ読み込み中"));
    EXPECT_FALSE(WidgetOf(*start.Get<fw::Label>("StaticText2"))->isVisible());
    auto* bar = qobject_cast<QProgressBar*>(WidgetOf(*start.Get<fw::ProgressBar>("ProgressBar1")));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 1);
  });
  // Nothing more reaches the program: ten ticks without a bit give up, the next one ends it.
  EXPECT_EQ(Run(script), 0);
  EXPECT_EQ(WritesTo(trace, kStart),
            (std::vector<TracedWrite>{
                {kStart, "Timer1", "Period", "400"},
                {kStart, "Timer1", "Mode", "2"},
                {kStart, "StaticText2", "Visible", "False"},
                {kStart, "StaticText3", "Text", "\"データ読み込み中\""},
                {kStart, "ProgressBar1", "Visible", "True"},
                {kStart, "ProgressBar1", "Value", "1"},
                {kStart, "StaticText3", "Text", "\"応答がありません。中断します。\""},
                {kStart, "Rectangle1", "FillColor", "#FF50F0"},
                {kStart, "Timer1", "Period", "2000"},
                {kStart, "Timer1", "Period", "500"},
                {kStart, "Timer1", "Mode", "0"},
            }));
  // The key pressed the button as a click does, without the click's MouseDown.
  EXPECT_EQ(Module1::mousX, 0);
  EXPECT_EQ(Module1::mousY, 0);
}

TEST_F(KeyboardCourse, TabVisitsTheStartWindowsButtonsInTheDesignedOrder) {
  Names seen;
  Script script;
  script.Then([&] {
    ActivateWindow(kStart);
    const fw::Window& start = WindowNamed(kStart);
    seen.push_back(FocusedControl(start));
    for (Qt::KeyboardModifiers modifiers :
         {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier}) {
      Type(kStart, Qt::Key_Tab, modifiers);
      seen.push_back(FocusedControl(start));
    }
    EXPECT_EQ(Module1::i, -2);
    fw::Quit(0);
  });
  EXPECT_EQ(Run(script), 0);
  EXPECT_EQ(seen,
            (Names{"PushButton1", "PushButton2", "PushButton1", "PushButton2", "PushButton1"}));
}

TEST_F(KeyboardCourse, OnTheSettingsWindowTabVisitsTheEnabledControlsAndKeysChangeNothing) {
  const fw::Window* settings = nullptr;
  const auto tabRound = [&](int tabs) {
    Names seen;
    for (int n = 0; n < tabs; ++n) {
      Type(kSettings, Qt::Key_Tab);
      seen.push_back(FocusedControl(*settings));
    }
    return seen;
  };
  Names buttons;
  for (int n = 1; n <= 13; ++n)
    buttons.push_back("PushButton" + std::to_string(n));
  const auto focus = [&](const char* name) {
    WidgetOf(*settings->ControlByName(name))->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(FocusedControl(*settings), name);
  };

  Panel panel;
  bool checked = false;
  Script script;
  script.Then([] { ReadoutThroughButton(Version45Bits()); })
      .Then(
          [&] {
            ActivateWindow(kSettings);
            settings = &WindowNamed(kSettings);
            // As opened: only the item buttons and the finish item take the focus.
            EXPECT_EQ(FocusedControl(*settings), "PushButton1");
            Names round(buttons.begin() + 1, buttons.end());
            round.push_back("PushButton1");
            EXPECT_EQ(tabRound(13), round);

            // Item 9's value being changed: its slider, inside its scale label at keyboard
            // place 4, comes before the buttons at 6 and on.
            panel.MoveTo({300, 50});
            for (int n = 0; n < 9; ++n)
              panel.ShortPress();
            panel.LongPress();
            ASSERT_EQ(Module1::btnindex, 9);
            ASSERT_EQ(Module1::btn13, 1);
            round = Names(buttons.begin() + 1, buttons.end());
            round.push_back("Slider1");
            round.push_back("PushButton1");
            EXPECT_EQ(tabRound(14), round);

            const std::vector<Module1::Int32> before = Model();
            testsupport::TraceRecorder trace;
            // Every control that takes the focus, each pressing the keys that press buttons.
            for (const std::string& name : round) {
              focus(name.c_str());
              for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape})
                Type(kSettings, key);
            }
            EXPECT_EQ(trace.writes, std::vector<TracedWrite>{});
            EXPECT_EQ(Model(), before);

            // The slider moved from the keyboard shows another value; the working value stays.
            fw::Slider& slider = *settings->Get<fw::Slider>("Slider1");
            const fw::Int32 target = slider.Value() == 0 ? 7 : 0;
            focus("Slider1");
            Type(kSettings, target == 0 ? Qt::Key_Home : Qt::Key_End);
            EXPECT_EQ(trace.writes, (std::vector<TracedWrite>{
                                        {kSettings, "Slider1", "Value", std::to_string(target)}}));
            EXPECT_EQ(Model(), before);
            checked = true;
            fw::Quit(0);
          },
          700);
  EXPECT_EQ(Run(script), 0);
  EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace qttest
