#include <gtest/gtest.h>

#include "framework/framework.h"
#include "support/headless.h"

namespace {

using testsupport::HeadlessTest;
using testsupport::TraceRecorder;
using testsupport::TracedWrite;

class ControlsTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    info_ = fw::DeriveClass("Test.Test", fw::WindowClass());
    window_ = fw::CreateWindowObject<fw::Window>(info_);
  }
  template <class T>
  T& Add(const std::string& name) {
    window_->AddControl(name, window_->New<T>());
    return fw::Cast<T>(*window_->ControlByName(name));
  }
  fw::ClassInfo info_;
  std::shared_ptr<fw::Window> window_;
};

TEST_F(ControlsTest, WritesAreTracedInOrderWithWindowAndControl) {
  auto& button = Add<fw::PushButton>("PushButton1");
  TraceRecorder trace;
  button.SetDefault(false);
  button.SetBold(true);
  window_->SetTitle("t");
  Add<fw::Rectangle>("Rectangle1").SetFillColor(fw::RGB(255, 80, 240));
  EXPECT_EQ(trace.writes, (std::vector<TracedWrite>{
                              {"Test.Test", "PushButton1", "Default", "False"},
                              {"Test.Test", "PushButton1", "Bold", "True"},
                              {"Test.Test", "", "Title", "\"t\""},
                              {"Test.Test", "Rectangle1", "FillColor", "#FF50F0"},
                          }));
}

TEST_F(ControlsTest, ProgressBarKeepsAValueAboveItsMaximum) {
  auto& bar = Add<fw::ProgressBar>("ProgressBar1");
  bar.SetMaximum(40);
  bar.SetValue(42);
  EXPECT_EQ(bar.Value(), 42);
}

TEST_F(ControlsTest, PopupRowsAreSplitAtCarriageReturn) {
  struct Case {
    std::string initial;
    std::vector<std::string> rows;
  } cases[] = {{"", {}}, {"a", {"a"}}, {"上\r下\r右\r左", {"上", "下", "右", "左"}}, {"a\r", {"a", ""}}};
  auto& popup = Add<fw::PopupMenu>("PopupMenu1");
  for (const auto& c : cases) {
    popup.SetInitialValue(c.initial);
    EXPECT_EQ(popup.Rows(), c.rows) << c.initial;
  }
}

TEST_F(ControlsTest, InitialParentNamesAControlOfTheSameWindow) {
  auto& panel = Add<fw::Rectangle>("Rectangle1");
  auto& label = Add<fw::Label>("StaticText1");
  label.SetInitialParent("Rectangle1");
  EXPECT_EQ(label.Parent(), &panel);
  EXPECT_THROW(label.SetInitialParent("Nowhere"), fw::RuntimeException);
  EXPECT_EQ(label.Parent(), &panel);
  label.SetInitialParent("");
  EXPECT_EQ(label.Parent(), nullptr);
}

struct Handlers : fw::Window {
  int moves = 0;
  void Move(fw::Label&, fw::Int32, fw::Int32) { ++moves; }
};

TEST_F(ControlsTest, DelegateHoldsItsWindowWeaklyAndNothingRunsAfterQuit) {
  auto target = fw::CreateWindowObject<Handlers>(info_);
  auto& label = Add<fw::Label>("StaticText1");
  label.MouseMove.Bind("( Label, Int32, Int32 )", fw::MakeDelegate(target, &Handlers::Move));
  EXPECT_EQ(label.MouseMove.Signature(), "( Label, Int32, Int32 )");
  label.MouseMove.Raise(1, 2);
  EXPECT_EQ(target->moves, 1);

  fw::Quit(0);
  label.MouseMove.Raise(1, 2);
  EXPECT_EQ(target->moves, 1);
}

TEST_F(ControlsTest, DelegateOfAClosedWindowCallsNothing) {
  std::weak_ptr<Handlers> weak;
  {
    auto target = fw::CreateWindowObject<Handlers>(info_);
    weak = target;
    Add<fw::Label>("StaticText1")
        .MouseMove.Bind("( Label, Int32, Int32 )", fw::MakeDelegate(target, &Handlers::Move));
    target->Close();
  }
  EXPECT_TRUE(weak.expired());
  EXPECT_NO_THROW(fw::Cast<fw::Label>(*window_->ControlByName("StaticText1")).MouseMove.Raise(1, 1));
}

}  // namespace
