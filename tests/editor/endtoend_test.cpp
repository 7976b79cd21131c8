#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/setform_fixture.h"
#include "model/module1.h"
#include "readout/startform.h"
#include "support/device_sim.h"
#include "support/headless.h"
#include "support/switch_sim.h"

namespace editortest {
namespace {

using fw::Int32;
using StartWindow = class readout::Startform;

// Both windows from their designs: the device reads its settings out over the start window,
// then drives the settings window with its switch.
class EndToEnd : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    fw::MakeClassKnown(StartWindow::Lookup());
    fw::MakeClassKnown(SetformWindow::Lookup());
    start = readout::Startform();
  }

  void Move(const testsupport::Positions& positions) {
    testsupport::MoveOver(*form->StaticText1(), positions);
  }
  void Presses(const testsupport::Positions& press, int n) {
    for (int k = 0; k < n; ++k)
      Move(press);
  }
  Int32 Item7Shown() const { return form->PopupMenu7()->ListIndex(); }

  std::shared_ptr<StartWindow> start;
  std::shared_ptr<SetformWindow> form;
  testsupport::SwitchSim sim;
};

// 41 bits: hardware 3.9, item 1 at 2, item 7 at 6, speed fine adjustment on.
std::vector<int> Bits() {
  std::vector<int> bits(41, 0);
  for (int n : {0, 2, 4, 27, 29, 30, 33, 40})
    bits[static_cast<std::size_t>(n)] = 1;
  return bits;
}

TEST_F(EndToEnd, ReadOutEditRevertAndFinishWithChange) {
  testsupport::DriveReadout(*start->PushButton1(), Bits());

  form = std::static_pointer_cast<SetformWindow>(fw::GetImplicitWindow(kSetform));
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(start->Visible());
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->Title(), "ヌピレオ設定 Ver.5.0      Hard: Ver.3.9");
  EXPECT_EQ(form->PopupMenu1()->ListIndex(), 2);
  EXPECT_EQ(Item7Shown(), 6);
  EXPECT_TRUE(form->CheckBox1()->Value());
  EXPECT_EQ(Module1::btnindex, 13);

  Clock().Advance(500);  // the read-out's last tick
  EXPECT_EQ(start->Timer1()->Mode(), fw::kTimerModeOff);
  EXPECT_EQ(fw::Windows().size(), 2u);

  // The pointer comes over the description panel: far from where it left the button.
  Move({sim.JumpTo()});
  Presses(sim.ShortPress(), 7);
  ASSERT_EQ(Module1::btnindex, 7);
  Presses(sim.LongPress(), 3);  // value editing, 6 -> 7 -> 0
  EXPECT_EQ(Item7Shown(), 0);
  Presses(sim.ShortPress(), 7);  // item selection, items 8..12, finish item
  ASSERT_EQ(Module1::btnindex, 13);

  Presses(sim.LongPress(), 3);  // continue, finish with change, revert
  EXPECT_EQ(Item7Shown(), 0);
  Move(sim.ShortPress());
  EXPECT_EQ(Item7Shown(), 6);
  EXPECT_EQ(form->PopupMenu1()->ListIndex(), 2);

  Presses(sim.LongPress(), 3);  // standard values, continue, finish with change
  ASSERT_EQ(Module1::btn13, 2);

  // The last press runs through the event loop, which ends with it.
  for (const auto& p : sim.ShortPress()) {
    Clock().Post([this, p] { form->StaticText1()->MouseMove.Raise(p.x, p.y); });
  }
  for (const auto& p : sim.LongPress()) {
    Clock().Post([this, p] { form->StaticText1()->MouseMove.Raise(p.x, p.y); });
  }
  fw::RuntimeRun();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(Module1::btn13, 2);
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
}  // namespace editortest
