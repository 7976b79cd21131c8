// Random pointer streams, clicks and timer ticks through the whole program, headless: the
// read-out over the start window's button and, once a read-out has opened the settings
// window, the switch decoder and the editor over its description panel. Each input byte
// string is a script of operations; every one is checked against the model's invariants.
// An exception that leaves a handler (an array index outside its bounds, a nil reference)
// ends the run like a crash does.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "editor/setform.h"
#include "framework/framework.h"
#include "model/module1.h"
#include "readout/startform.h"
#include "support/device_sim.h"

namespace {

using fw::Int32;
using StartWindow = class readout::Startform;
using SettingsWindow = class editor::Setform;

struct Counts {
  std::uint64_t moves = 0;
  std::uint64_t clicks = 0;
  std::uint64_t ticks = 0;  // timer ticks
  std::uint64_t runs = 0;
  std::uint64_t settingsOpened = 0;
  ~Counts() {
    std::fprintf(stderr,
                 "pointer_stream_fuzz: %llu pointer events, %llu clicks, %llu timer ticks, "
                 "%llu program runs, %llu settings windows opened\n",
                 static_cast<unsigned long long>(moves), static_cast<unsigned long long>(clicks),
                 static_cast<unsigned long long>(ticks), static_cast<unsigned long long>(runs),
                 static_cast<unsigned long long>(settingsOpened));
  }
};
Counts counts;

[[noreturn]] void Finding(const std::string& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.c_str());
  std::abort();
}

// Positions drift without bound in a script; the harness's own arithmetic wraps instead of
// overflowing.
Int32 Add(Int32 a, Int32 b) {
  return static_cast<Int32>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// The script, read from front to back; past its end every read gives 0.
class Script {
 public:
  Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool Bool() { return (Byte() & 1) != 0; }
  std::int8_t Int8() { return static_cast<std::int8_t>(Byte()); }
  std::uint16_t Uint16() {
    const std::uint8_t high = Byte();
    return static_cast<std::uint16_t>((high << 8) | Byte());
  }
  Int32 Int() {
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
      v = (v << 8) | Byte();
    return static_cast<Int32>(v);
  }
  // lo..hi, both included.
  Int32 Range(Int32 lo, Int32 hi) {
    const auto span = static_cast<std::uint32_t>(hi - lo) + 1;
    const std::uint32_t raw = span <= 256 ? Byte() : Uint16();
    return lo + static_cast<Int32>(raw % span);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class Program {
 public:
  void Launch() {
    Shutdown();
    fw::SetWriteTrace(nullptr);
    fw::SetPeerFactory(nullptr);
    fw::SetEventLoop(std::make_unique<fw::HeadlessLoop>());
    fw::RuntimeInit();
    app::initialize();
    fw::RunFrameworkInitialization(&app::Startup);
    running_ = true;
    opened_ = false;
    button_ = testsupport::kButtonCentre;
    panel_ = {150, 40};
    ++counts.runs;
  }

  void Shutdown() {
    if (!running_) return;
    running_ = false;
    app::finalize();
  }

  // One operation of the script. Its arguments are read in the order they are written.
  void Step(Script& in) {
    switch (in.Byte() % 16) {
      case 0: {
        const Int32 dx = in.Int8();
        return MoveOverButton(Add(button_.x, dx), Add(button_.y, in.Int8()));
      }
      case 1: {
        const Int32 x = in.Int();
        return MoveOverButton(x, in.Int());
      }
      case 2:
        return ClickButton();
      case 3:
        if (StartWindow* start = StartWindowShown(); start != nullptr) {
          ++counts.clicks;
          start->PushButton1()->MouseDown.Raise(button_.x, button_.y);
          Check();
        }
        return;
      case 4:
        return Advance(in.Range(0, 5000));
      case 5:
        if (StartWindow* start = StartWindowShown(); start != nullptr) {
          ++counts.clicks;
          start->PushButton2()->Action.Raise();
          Check();
        }
        return;
      case 6: {
        const bool one = in.Bool();
        return SendBit(one, in.Range(1, 4));
      }
      case 7:
        return ReadOut(in);
      case 8: {
        const Int32 dx = in.Int8();
        return MoveOverPanel(Add(panel_.x, dx), Add(panel_.y, in.Int8()));
      }
      case 9: {
        const Int32 x = in.Int();
        return MoveOverPanel(x, in.Int());
      }
      case 10:
        return Press(0, -in.Range(1, 10));
      case 11:
        return Press(-in.Range(1, 10), 0);
      case 12: {
        // A jump in any direction, then possibly straight back.
        const Int32 dx = in.Range(-400, 400);
        const Int32 dy = in.Range(-400, 400);
        const testsupport::Point from = panel_;
        MoveOverPanel(Add(from.x, dx), Add(from.y, dy));
        if (in.Bool()) MoveOverPanel(from.x, from.y);
        return;
      }
      case 13:
        if (SettingsWindow* form = SettingsShown(); form != nullptr) {
          ++counts.clicks;
          const auto x = static_cast<std::int16_t>(in.Uint16());
          form->RaiseMouseDown(x, static_cast<std::int16_t>(in.Uint16()));
          Check();
        }
        return;
      case 14:
        return ChooseQuit();
      case 15: {
        // A burst of small moves over whichever window is in front.
        const int n = in.Range(1, 64);
        for (int k = 0; k < n && !fw::QuitRequested(); ++k) {
          const auto dx = static_cast<std::int8_t>(in.Range(-3, 3));
          const auto dy = static_cast<std::int8_t>(in.Range(-3, 3));
          if (SettingsShown() != nullptr) {
            MoveOverPanel(Add(panel_.x, dx), Add(panel_.y, dy));
          } else {
            MoveOverButton(Add(button_.x, dx), Add(button_.y, dy));
          }
        }
        return;
      }
    }
  }

  // The model's invariants, checked after every event.
  void Check() {
    const Int32 phase = Module1::phase;
    if (!(phase == 0 || phase == 1 || phase == 2 || phase == 3 || phase == 5 || phase == 6)) {
      Finding("phase " + std::to_string(phase));
    }
    if (Module1::sphase < -1 || Module1::sphase > 2) {
      Finding("sphase " + std::to_string(Module1::sphase));
    }
    if (Module1::btnindex < 1 || Module1::btnindex > 13) {
      Finding("btnindex " + std::to_string(Module1::btnindex));
    }
    if (Module1::btn13 < 0 || Module1::btn13 > 4) {
      Finding("btn13 " + std::to_string(Module1::btn13));
    }
    if (Module1::tm < 0) Finding("tm " + std::to_string(Module1::tm));
    int settings = 0;
    for (const auto& window : fw::Windows()) {
      settings += window->Class().fullName == readout::kSetformClassName;
    }
    if (settings > 1) Finding(std::to_string(settings) + " settings windows");
    if (settings == 1 && !opened_) {
      opened_ = true;
      ++counts.settingsOpened;
    }
    if (opened_ && settings != 1) Finding("the settings window went away");
    if (!opened_) return;
    for (Int32 k = 1; k <= 12; ++k) {
      if (Module1::tempval(k) < 0 || Module1::tempval(k) > Module1::maxval(k)) {
        Finding("tempval(" + std::to_string(k) + ") = " + std::to_string(Module1::tempval(k)) +
                " outside 0.." + std::to_string(Module1::maxval(k)));
      }
    }
  }

 private:
  // The start window while it is shown, else nullptr: a hidden window gets no input.
  StartWindow* StartWindowShown() const {
    auto window = fw::GetImplicitWindow(editor::kStartformClassName);
    if (!window || !window->Visible()) return nullptr;
    return &fw::Cast<StartWindow>(*window);
  }

  SettingsWindow* SettingsShown() const {
    auto window = fw::GetImplicitWindow(readout::kSetformClassName);
    if (!window || !window->Visible()) return nullptr;
    return &fw::Cast<SettingsWindow>(*window);
  }

  void MoveOverButton(Int32 x, Int32 y) {
    StartWindow* start = StartWindowShown();
    if (start == nullptr) return;
    button_ = {x, y};
    ++counts.moves;
    start->PushButton1()->MouseMove.Raise(x, y);
    Check();
  }

  void MoveOverPanel(Int32 x, Int32 y) {
    SettingsWindow* form = SettingsShown();
    if (form == nullptr) return;
    panel_ = {x, y};
    ++counts.moves;
    form->StaticText1()->MouseMove.Raise(x, y);
    Check();
  }

  void ClickButton() {
    StartWindow* start = StartWindowShown();
    if (start == nullptr) return;
    ++counts.clicks;
    start->PushButton1()->MouseDown.Raise(button_.x, button_.y);
    Check();
    start->PushButton1()->Action.Raise();
    Check();
  }

  // The clock moves on tick by tick, each tick an event of its own.
  void Advance(int ms) {
    fw::HeadlessLoop& loop = *fw::Headless();
    while (ms > 0 && !fw::QuitRequested()) {
      auto start = fw::GetImplicitWindow(editor::kStartformClassName);
      const std::int64_t next =
          start ? loop.NextTickIn(*fw::Cast<StartWindow>(*start).Timer1()) : -1;
      if (next < 0 || next > ms) {
        loop.Advance(ms);
        return;
      }
      loop.Advance(next);
      ms -= static_cast<int>(next);
      ++counts.ticks;
      Check();
    }
  }

  // One bit of the line code from the current position, step pixels a move.
  void SendBit(bool one, Int32 step) {
    const testsupport::Point at = button_;
    MoveOverButton(Add(at.x, -step), at.y);
    MoveOverButton(at.x, at.y);
    if (!one) return;
    MoveOverButton(at.x, Add(at.y, -step));
    MoveOverButton(at.x, at.y);
  }

  // A whole read-out as the device sends it, with bits and line code from the script.
  void ReadOut(Script& in) {
    std::vector<int> bits(41);
    std::uint8_t byte = 0;
    for (std::size_t n = 0; n < bits.size(); ++n) {
      if (n % 8 == 0) byte = in.Byte();
      bits[n] = (byte >> (n % 8)) & 1;
    }
    testsupport::LineCode code;
    code.step = in.Range(1, 5);
    code.combineLeftUp = in.Bool();
    code.completion.x = in.Range(-3, 3);
    code.completion.y = in.Range(-3, 3);
    // Far from the origin the simulator's own sums could overflow.
    testsupport::Point from = button_;
    if (std::abs(static_cast<long long>(from.x)) > 1000000 ||
        std::abs(static_cast<long long>(from.y)) > 1000000) {
      from = testsupport::kButtonCentre;
    }
    ClickButton();
    for (const testsupport::Point& p : testsupport::ReadoutMoves(bits, from, code)) {
      if (fw::QuitRequested()) return;
      MoveOverButton(p.x, p.y);
    }
  }

  // A press of the device's switch: a small step away, then back.
  void Press(Int32 dx, Int32 dy) {
    const testsupport::Point at = panel_;
    MoveOverPanel(Add(at.x, dx), Add(at.y, dy));
    if (fw::QuitRequested()) return;
    MoveOverPanel(at.x, at.y);
  }

  void ChooseQuit() {
    fw::Application* application = fw::TheApplication();
    if (application == nullptr || !application->GetMenuBar()) return;
    fw::MenuItem* file = application->GetMenuBar()->Child("FileMenu");
    if (file == nullptr) Finding("the menu bar has no File menu");
    fw::MenuItem* quit = file->Child("FileQuit");
    if (quit == nullptr) Finding("the File menu has no quit item");
    ++counts.clicks;
    fw::ChooseMenuItem(*quit);
    Check();
  }

  bool running_ = false;
  bool opened_ = false;
  testsupport::Point button_;
  testsupport::Point panel_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Program program;
  Script in(data, size);
  program.Launch();
  program.Check();
  while (!in.Done()) {
    program.Step(in);
    program.Check();
    if (fw::QuitRequested()) program.Launch();
  }
  program.Shutdown();
  return 0;
}
