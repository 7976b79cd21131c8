#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "model/module1.h"
#include "readout/readout_state.h"
#include "readout/startform.h"
#include "support/device_sim.h"
#include "support/headless.h"

namespace readouttest {

using fw::Int32;
// The window class; `readout::Startform` alone names its accessor.
using StartWindow = class readout::Startform;

inline constexpr const char* kHint = "hint";
inline constexpr const char* kInstructions = "instructions";
inline constexpr fw::Color kPanelColour{200, 220, 255};
inline constexpr fw::Color kNoResponseColour{0xFF, 0x50, 0xF0};

// setval(1..20) from bits 0..39: little-endian fields, setval(15) plus 2.
inline std::array<Int32, 21> FieldValues(const std::vector<int>& bits) {
  struct Field {
    int k;
    std::vector<int> bits;
    int offset;
  };
  static const Field fields[] = {
      {1, {32, 33}, 0},     {2, {34, 35}, 0},      {3, {36, 37}, 0},     {4, {38, 39}, 0},
      {5, {23}, 0},         {6, {31}, 0},          {7, {28, 29, 30}, 0}, {8, {20, 21, 22}, 0},
      {9, {24, 25, 26}, 0}, {10, {16, 17, 18}, 0}, {11, {8, 9, 10}, 0},  {12, {12, 13, 14}, 0},
      {13, {6, 7}, 0},      {14, {0, 1, 2}, 0},    {15, {4, 5}, 2},      {16, {3}, 0},
      {17, {27}, 0},        {18, {19}, 0},         {19, {11}, 0},        {20, {15}, 0}};
  std::array<Int32, 21> values{};
  for (const Field& f : fields) {
    Int32 value = f.offset;
    for (std::size_t n = 0; n < f.bits.size(); ++n)
      value += bits[f.bits[n]] << n;
    values[f.k] = value;
  }
  return values;
}

// Bits 0..40 as the bit trace: digits in groups of eight, each group followed by a blank.
inline std::string BitTrace(const std::vector<int>& bits) {
  std::string out;
  for (int n = 0; n <= 40; ++n) {
    out += bits[n] ? '1' : '0';
    if (n % 8 == 7) out += ' ';
  }
  return out;
}

// What the settings window saw when it opened; it is a bare window here, the real one is
// built elsewhere.
struct SettingsWindowProbe {
  int created = 0;
  Int32 phase = 0;
  Int32 mousX = 0;
  Int32 mousY = 0;
  Int32 timerPeriod = 0;
  Int32 timerMode = 0;
  std::string hintText;
  std::array<Int32, 21> setval{};
};

inline SettingsWindowProbe& Probe() {
  static SettingsWindowProbe probe;
  return probe;
}

// A start window with the nine controls and the five bindings of its design, but none of
// its design values beyond what the read-out reads.
class ReadoutTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    Probe() = SettingsWindowProbe{};
    fw::MakeClassKnown(SettingsWindowClass());
    trace = std::make_unique<testsupport::TraceRecorder>();
    form = std::static_pointer_cast<StartWindow>(StartWindowClass().newWindow());
    form->Constructor();
    trace->writes.clear();
  }

  void TearDown() override {
    form.reset();
    trace.reset();
    HeadlessTest::TearDown();
  }

  // A fresh run of the program, for loops over many read-outs in one test.
  void Restart() {
    TearDown();
    SetUp();
  }

  fw::PushButton& Button() { return *form->PushButton1(); }
  fw::Timer& Timer() { return *form->Timer1(); }
  std::string Status() { return form->StaticText3()->Text(); }

  void Click(testsupport::Point at = testsupport::kButtonCentre) {
    testsupport::Click(Button(), at);
  }
  void Move(Int32 x, Int32 y) { Button().MouseMove.Raise(x, y); }
  void MoveOver(const testsupport::Positions& moves) { testsupport::MoveOver(Button(), moves); }
  void Tick() { Clock().Advance(Timer().Period()); }

  // The click and the reference event at the button's centre: ready for the first bit.
  void Arm() {
    Click();
    Move(testsupport::kButtonCentre.x, testsupport::kButtonCentre.y);
  }

  std::vector<int> Recorded(Int32 count) {
    std::vector<int> out;
    for (Int32 n = 0; n < count; ++n)
      out.push_back(Module1::bits(n));
    return out;
  }

  // How often the settings window was shown (each Show writes Visible True).
  int SettingsShown() const { return WritesOf("Setform.Setform", "", "Visible", "True"); }

  int WritesOf(const std::string& window, const std::string& control, const std::string& prop,
               const std::string& value) const {
    int count = 0;
    for (const auto& w : trace->writes) {
      count += w.window == window && w.control == control && w.prop == prop && w.value == value;
    }
    return count;
  }

  std::vector<std::string> ValuesOf(const std::string& control, const std::string& prop) const {
    std::vector<std::string> out;
    for (const auto& w : trace->writes) {
      if (w.window == "Startform.Startform" && w.control == control && w.prop == prop) {
        out.push_back(w.value);
      }
    }
    return out;
  }

  std::unique_ptr<testsupport::TraceRecorder> trace;
  std::shared_ptr<StartWindow> form;

 private:
  static void CreateControls(StartWindow& w) {
    w.AddControl("PushButton1", w.New<fw::PushButton>());
    w.AddControl("PushButton2", w.New<fw::PushButton>());
    w.AddControl("StaticText1", w.New<fw::Label>());
    w.AddControl("ImageWell1", w.New<fw::ImageWell>());
    w.AddControl("Rectangle1", w.New<fw::Rectangle>());
    w.AddControl("ProgressBar1", w.New<fw::ProgressBar>());
    w.AddControl("StaticText3", w.New<fw::Label>());
    w.AddControl("Timer1", w.New<fw::Timer>());
    w.AddControl("StaticText2", w.New<fw::Label>());

    w.StaticText1()->SetText(kHint);
    w.StaticText2()->SetText(kInstructions);
    w.Rectangle1()->SetFillColor(kPanelColour);
    w.ProgressBar1()->SetMaximum(40);
    w.Timer1()->SetMode(fw::kTimerModeOff);
    w.Timer1()->SetPeriod(1000);

    auto self = std::static_pointer_cast<StartWindow>(w.shared_from_this());
    using S = StartWindow;
    w.PushButton1()->MouseMove.Bind("( PushButton, Int32, Int32 )",
                                    fw::MakeDelegate(self, &S::PushButton1_MouseMove));
    w.PushButton1()->Action.Bind("( PushButton )", fw::MakeDelegate(self, &S::PushButton1_Action));
    w.PushButton1()->MouseDown.Bind("( PushButton, Int32, Int32 ) as Boolean",
                                    fw::MakeDelegate(self, &S::PushButton1_MouseDown));
    w.PushButton2()->Action.Bind("( PushButton )", fw::MakeDelegate(self, &S::PushButton2_Action));
    w.Timer1()->Action.Bind("( Timer )", fw::MakeDelegate(self, &S::Timer1_Action));
  }

  static const fw::ClassInfo& StartWindowClass() {
    static const fw::ClassInfo info = [] {
      fw::ClassInfo i = fw::DeriveClass("Startform.Startform", fw::WindowClass());
      i.events.CreateControls = [](fw::Window& w) {
        CreateControls(fw::Cast<StartWindow>(w));
      };
      i.events.Open = [](fw::Window& w) { fw::Cast<StartWindow>(w).Event_Open(); };
      i.newWindow = [] { return fw::CreateWindowObject<StartWindow>(info); };
      return i;
    }();
    return info;
  }

  static const fw::ClassInfo& SettingsWindowClass() {
    static const fw::ClassInfo info = [] {
      fw::ClassInfo i = fw::DeriveClass("Setform.Setform", fw::WindowClass());
      i.events.Open = [](fw::Window&) {
        SettingsWindowProbe& probe = Probe();
        probe.phase = Module1::phase;
        probe.mousX = Module1::mousX;
        probe.mousY = Module1::mousY;
        auto start = std::static_pointer_cast<StartWindow>(
            fw::GetImplicitWindow("Startform.Startform"));
        probe.timerPeriod = start->Timer1()->Period();
        probe.timerMode = start->Timer1()->Mode();
        probe.hintText = start->StaticText1()->Text();
        for (Int32 k = 1; k <= 20; ++k)
          probe.setval[k] = Module1::setval(k);
      };
      i.newWindow = [] {
        ++Probe().created;
        return fw::CreateWindowObject<fw::Window>(info);
      };
      return i;
    }();
    return info;
  }
};

}  // namespace readouttest
