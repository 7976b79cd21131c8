#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/framework.h"
#include "model/module1.h"
#include "readout/startform.h"
#include "readout/startform_design.h"
#include "support/headless.h"

namespace {

using StartWindow = class readout::Startform;
using testsupport::TracedWrite;

bool Contains(const design::Bytes& list, const design::Bytes& part) {
  return std::search(list.begin(), list.end(), part.begin(), part.end()) != list.end();
}

design::Bytes Ascii(const std::string& text) {
  return design::Bytes(text.begin(), text.end());
}

design::Bytes Concat(std::initializer_list<design::Bytes> parts) {
  design::Bytes out;
  for (const design::Bytes& part : parts)
    out.insert(out.end(), part.begin(), part.end());
  return out;
}

class StartformBuild : public testsupport::HeadlessTest {
 protected:
  // The window as its Layout and CreateControls leave it, before any Open handler.
  std::shared_ptr<StartWindow> BuildWithoutOpen() {
    info_ = StartWindow::Lookup();
    info_.events.Open = nullptr;
    auto window = fw::CreateWindowObject<StartWindow>(info_);
    window->Constructor();
    return window;
  }

 private:
  fw::ClassInfo info_;
};

struct ControlRow {
  const char* name;
  const std::type_info& type;
  const char* container;  // "" is the window
  fw::Int32 left, top, width, height;
  fw::Int32 tabIndex;
};

const ControlRow kVisibleControls[] = {
    {"PushButton1", typeid(fw::PushButton), "", 8, 415, 222, 84, 1},
    {"PushButton2", typeid(fw::PushButton), "", 242, 415, 86, 84, 2},
    {"StaticText1", typeid(fw::Label), "", 8, 386, 320, 29, 3},
    {"ImageWell1", typeid(fw::ImageWell), "", 8, 6, 320, 265, 0},
    {"Rectangle1", typeid(fw::Rectangle), "", 8, 277, 320, 103, 6},
    {"ProgressBar1", typeid(fw::ProgressBar), "Rectangle1", 19, 294, 299, 19, 0},
    {"StaticText3", typeid(fw::Label), "Rectangle1", 8, 362, 320, 18, 1},
    {"StaticText2", typeid(fw::Label), "Rectangle1", 7, 281, 320, 73, 2},
};

TEST_F(StartformBuild, NineControlsInCreationOrderWithTheirClassesAndPlaces) {
  auto window = BuildWithoutOpen();
  std::vector<std::string> order;
  for (const auto& control : window->Controls())
    order.push_back(control->RegisteredName());
  EXPECT_EQ(order, (std::vector<std::string>{"PushButton1", "PushButton2", "StaticText1",
                                             "ImageWell1", "Rectangle1", "ProgressBar1",
                                             "StaticText3", "Timer1", "StaticText2"}));

  for (const ControlRow& row : kVisibleControls) {
    SCOPED_TRACE(row.name);
    fw::Control* control = window->ControlByName(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(typeid(*control), row.type);
    EXPECT_EQ(control->Name(), row.name);
    EXPECT_EQ(control->Index(), fw::kNoIndex);
    auto& rect = fw::Cast<fw::RectControl>(*control);
    EXPECT_EQ(rect.Parent() ? rect.Parent()->RegisteredName() : "", row.container);
    EXPECT_EQ(rect.Left(), row.left);
    EXPECT_EQ(rect.Top(), row.top);
    EXPECT_EQ(rect.Width(), row.width);
    EXPECT_EQ(rect.Height(), row.height);
    EXPECT_EQ(rect.TabIndex(), row.tabIndex);
    EXPECT_TRUE(rect.Visible());
    EXPECT_TRUE(rect.Enabled());
  }

  // The timer is of the window's own timer class, reached as a Timer; its list has no Name.
  fw::Control* timer = window->ControlByName("Timer1");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(typeid(*timer), typeid(readout::StartformTimer1));
  EXPECT_EQ(window->Timer1()->Name(), "");
  EXPECT_EQ(window->Timer1()->Mode(), fw::kTimerModeOff);
  EXPECT_EQ(window->Timer1()->Period(), 1000);
  EXPECT_EQ(Clock().NextTickIn(*window->Timer1()), -1);
}

TEST_F(StartformBuild, WindowAndControlsCarryTheirDesign) {
  auto window = BuildWithoutOpen();
  EXPECT_EQ(window->Width(), 339);
  EXPECT_EQ(window->Height(), 508);
  EXPECT_EQ(window->Title(), "ヌピレオ設定 Ver.5.0");
  EXPECT_FALSE(window->MinimizeButton());
  EXPECT_TRUE(window->Visible());
  EXPECT_TRUE(window->CloseButton());
  EXPECT_FALSE(window->Resizeable());

  EXPECT_EQ(window->PushButton1()->Caption(), "設　定");
  EXPECT_TRUE(window->PushButton1()->Default());
  EXPECT_FALSE(window->PushButton1()->Cancel());
  EXPECT_EQ(window->PushButton2()->Caption(), "キャンセル");
  EXPECT_FALSE(window->PushButton2()->Default());
  EXPECT_TRUE(window->PushButton2()->Cancel());

  EXPECT_EQ(window->StaticText1()->Text(), "スイッチを３回長く押せばどこからでも中断できます");
  EXPECT_EQ(window->StaticText1()->TextAlign(), 1);
  EXPECT_FALSE(window->StaticText1()->MultiLine());
  EXPECT_EQ(window->StaticText1()->TextColor(), (fw::Color{0, 0, 0}));

  EXPECT_TRUE(window->ImageWell1()->LockTop());
  EXPECT_FALSE(window->PushButton1()->LockTop());
  EXPECT_EQ(window->Rectangle1()->FillColor(), (fw::Color{0xF0, 0xFF, 0x58}));
  EXPECT_EQ(window->ProgressBar1()->Value(), 0);
  EXPECT_EQ(window->ProgressBar1()->Maximum(), 40);

  const fw::Color blue{0, 0, 0xFF};
  EXPECT_EQ(window->StaticText3()->Text(), "操作はすべてヌピレオで行ってください");
  EXPECT_EQ(window->StaticText3()->TextColor(), blue);
  EXPECT_TRUE(window->StaticText3()->MultiLine());
  EXPECT_TRUE(window->StaticText3()->Transparent());
  EXPECT_TRUE(window->StaticText3()->Bold());
  EXPECT_EQ(window->StaticText2()->Text(),
            "ヌピレオの設定を行います\rカーソルを「設定」ボタンの中央へ移動して停め\r"
            "ヌピレオ操作スイッチを\r６回続けて長く押してください");
  EXPECT_EQ(window->StaticText2()->TextColor(), blue);
  EXPECT_TRUE(window->StaticText2()->MultiLine());
  EXPECT_FALSE(window->StaticText2()->Transparent());
  EXPECT_TRUE(window->StaticText2()->Bold());
  EXPECT_EQ(window->StaticText2()->TextAlign(), 1);
}

// Each control: registration, then font unit or picture, then its list, then its bindings,
// before the next control is made. The trace shows the steps as the writes they make.
TEST_F(StartformBuild, EachControlIsFinishedBeforeTheNextInTheStepOrder) {
  testsupport::TraceRecorder trace;
  BuildWithoutOpen();
  std::vector<std::string> steps;
  for (const TracedWrite& w : trace.writes) {
    if (w.control.empty()) continue;
    std::string step = w.prop == "TextUnit" || w.prop == "Image" || w.prop == "Binding"
                           ? w.prop
                           : std::string("list");
    std::string entry = w.control + " " + step;
    if (steps.empty() || steps.back() != entry) steps.push_back(entry);
  }
  EXPECT_EQ(steps, (std::vector<std::string>{
                       "PushButton1 TextUnit",
                       "PushButton1 list",
                       "PushButton1 Binding",
                       "PushButton2 TextUnit",
                       "PushButton2 list",
                       "PushButton2 Binding",
                       "StaticText1 TextUnit",
                       "StaticText1 list",
                       "ImageWell1 Image",
                       "ImageWell1 list",
                       "Rectangle1 list",
                       "ProgressBar1 list",
                       "StaticText3 TextUnit",
                       "StaticText3 list",
                       "Timer1 list",
                       "Timer1 Binding",
                       "StaticText2 TextUnit",
                       "StaticText2 list",
                   }));
}

TEST_F(StartformBuild, FiveEventsAreBoundWithTheirSignatures) {
  auto window = BuildWithoutOpen();
  EXPECT_EQ(window->PushButton1()->MouseMove.Signature(), "( PushButton, Int32, Int32 )");
  EXPECT_EQ(window->PushButton1()->Action.Signature(), "( PushButton )");
  EXPECT_EQ(window->PushButton1()->MouseDown.Signature(),
            "( PushButton, Int32, Int32 ) as Boolean");
  EXPECT_EQ(window->PushButton2()->Action.Signature(), "( PushButton )");
  EXPECT_EQ(window->Timer1()->Action.Signature(), "( Timer )");

  EXPECT_FALSE(window->PushButton2()->MouseMove.IsBound());
  EXPECT_FALSE(window->PushButton2()->MouseDown.IsBound());
  for (const char* name :
       {"StaticText1", "ImageWell1", "Rectangle1", "ProgressBar1", "StaticText3", "StaticText2"}) {
    SCOPED_TRACE(name);
    auto& control = fw::Cast<fw::RectControl>(*window->ControlByName(name));
    EXPECT_FALSE(control.MouseMove.IsBound());
    EXPECT_FALSE(control.MouseDown.IsBound());
  }
}

// Each binding reaches the handler of its own name on this window.
TEST_F(StartformBuild, BindingsReachTheirHandlers) {
  auto window = BuildWithoutOpen();
  EXPECT_FALSE(window->PushButton1()->MouseDown.Raise(5, 7));
  EXPECT_EQ(Module1::mousX, 5);
  EXPECT_EQ(Module1::mousY, 7);

  window->PushButton1()->Action.Raise();
  EXPECT_EQ(Module1::i, -1);
  EXPECT_EQ(window->Timer1()->Mode(), fw::kTimerModeMultiple);

  window->PushButton1()->MouseMove.Raise(9, 11);
  EXPECT_EQ(Module1::i, 0);
  EXPECT_EQ(Module1::mousX, 9);

  window->Timer1()->Action.Raise();
  EXPECT_EQ(Module1::tm, 1);

  window->PushButton2()->Action.Raise();
  EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(StartformBuild, TheAccessorGivesTheBuiltAndOpenedWindow) {
  auto window = readout::Startform();
  EXPECT_EQ(window->Controls().size(), 9u);
  EXPECT_EQ(readout::Startform(), window);
  // Its Open handler ran after the design: the design shows the bar, Open hides it.
  EXPECT_FALSE(window->ProgressBar1()->Visible());
  // Without the application module no menu bar is attached.
  EXPECT_EQ(window->GetMenuBar(), nullptr);
}

TEST(StartformLists, TimerListIsExactlyModeAndPeriod) {
  EXPECT_EQ(readout::StartformDesign().Timer1,
            (design::Bytes{0x4D, 0x6F, 0x64, 0x65, 0x20, 0x00, 0x00, 0x00, 0x00, 0x50,
                           0x65, 0x72, 0x69, 0x6F, 0x64, 0x20, 0x00, 0x00, 0x03, 0xE8}));
}

TEST(StartformLists, WorkedEncodings) {
  const readout::StartformLists& lists = readout::StartformDesign();
  const design::Bytes wellStart = Concat(
      {Ascii("Name "), {0, 0, 0, 10}, Ascii("ImageWell1"), Ascii("Index "), {0x80, 0, 0, 0}});
  EXPECT_TRUE(std::equal(wellStart.begin(), wellStart.end(), lists.ImageWell1.begin()));
  EXPECT_TRUE(Contains(lists.ImageWell1, Concat({Ascii("LockTop "), {0x01}})));
  EXPECT_TRUE(Contains(lists.ImageWell1, Concat({Ascii("HelpTag "), {0, 0, 0, 0}})));
  EXPECT_TRUE(Contains(lists.PushButton1, Concat({Ascii("Caption "),
                                                  {0, 0, 0, 9, 0xE8, 0xA8, 0xAD, 0xE3, 0x80, 0x80,
                                                   0xE5, 0xAE, 0x9A}})));
  EXPECT_TRUE(Contains(lists.Rectangle1, Concat({Ascii("FillColor "), {0xF0, 0xFF, 0x58}})));
}

TEST(StartformLists, InstructionsListHoldsItsTextWholeAndNothingMore) {
  const design::Bytes& list = readout::StartformDesign().StaticText2;
  EXPECT_EQ(list.size(), 540u);
  const design::Bytes name = Ascii("Text ");
  auto at = std::search(list.begin(), list.end(), name.begin(), name.end());
  ASSERT_NE(at, list.end());
  auto count = at + static_cast<std::ptrdiff_t>(name.size());
  ASSERT_GE(list.end() - count, 4);
  const std::size_t length = (std::size_t{count[0]} << 24) | (std::size_t{count[1]} << 16) |
                             (std::size_t{count[2]} << 8) | std::size_t{count[3]};
  EXPECT_EQ(length, 180u);
  EXPECT_EQ(std::count(count + 4, count + 4 + 180, '\r'), 3);
}

}  // namespace
