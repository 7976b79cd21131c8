#include "bench/program.h"

#include <cstdlib>
#include <random>

#include "app/startup.h"
#include "model/module1.h"
#include "support/device_sim.h"

namespace bench {

namespace {
Platform* current = nullptr;
bool running = false;

// Steps of a press: a few pixels, well inside the 20-pixel limit of a small move.
constexpr Int32 kPressStep = 3;
}  // namespace

void HeadlessPlatform::Install() {
  fw::SetPeerFactory(nullptr);
  fw::SetEventLoop(std::make_unique<fw::HeadlessLoop>());
}

void HeadlessPlatform::Move(fw::RectControl& control, Int32 x, Int32 y) {
  control.MouseMove.Raise(x, y);
}

void HeadlessPlatform::Click(fw::PushButton& button, Int32 x, Int32 y) {
  button.MouseDown.Raise(x, y);
  button.Action.Raise();
}

void SetPlatform(Platform& platform) {
  current = &platform;
}

Platform& CurrentPlatform() {
  static HeadlessPlatform headless;
  return current ? *current : headless;
}

void StartProgram() {
  EndProgram();
  fw::SetWriteTrace(nullptr);
  CurrentPlatform().Install();
  fw::RuntimeInit();
  app::initialize();
  fw::RunFrameworkInitialization(&app::Startup);
  CurrentPlatform().Settle();
  running = true;
}

void EndProgram() {
  if (!running) return;
  running = false;
  app::finalize();
  CurrentPlatform().Settle();
}

std::shared_ptr<StartWindow> TheStartWindow() {
  return std::static_pointer_cast<StartWindow>(fw::GetImplicitWindow(editor::kStartformClassName));
}

std::shared_ptr<SettingsWindow> TheSettingsWindow() {
  return std::static_pointer_cast<SettingsWindow>(
      fw::GetImplicitWindow(readout::kSetformClassName));
}

void ClickButton() {
  fw::PushButton& button = *TheStartWindow()->PushButton1();
  // One pixel below the centre: the reference event at the centre is then a real move,
  // which a platform does not drop.
  const testsupport::Point at{testsupport::kButtonCentre.x, testsupport::kButtonCentre.y + 1};
  CurrentPlatform().Move(button, at.x, at.y);
  CurrentPlatform().Click(button, at.x, at.y);
}

void ArmReadout() {
  ClickButton();
  const testsupport::Point at = testsupport::kButtonCentre;
  CurrentPlatform().Move(*TheStartWindow()->PushButton1(), at.x, at.y);
}

void ReadOut(const std::vector<int>& bits) {
  ClickButton();
  fw::PushButton& button = *TheStartWindow()->PushButton1();
  for (const testsupport::Point& p : testsupport::ReadoutMoves(bits)) {
    CurrentPlatform().Move(button, p.x, p.y);
  }
  CurrentPlatform().Settle();
}

void Switch::Arm() {
  panel_ = fw::Nil(TheSettingsWindow().get()).StaticText1().get();
  x_ = panel_->Width() / 2;
  y_ = panel_->Height() / 2;
  // The first move must be a jump from the last position over the start window's button.
  if (std::abs(x_ - Module1::mousX) + std::abs(y_ - Module1::mousY) <= 20) x_ += 30;
  Move(x_, y_);
}

void Switch::ShortPress() {
  Move(x_, y_ - kPressStep);
  Move(x_, y_);
}

void Switch::LongPress() {
  Move(x_ - kPressStep, y_);
  Move(x_, y_);
}

void Switch::Move(Int32 x, Int32 y) {
  CurrentPlatform().Move(*panel_, x, y);
}

std::vector<int> SomeBits() {
  std::mt19937 rng(20240601);
  return testsupport::RandomBits(rng);
}

testsupport::Positions ReadoutEventSteps() {
  std::vector<int> bits = SomeBits();
  bits.resize(40);
  bits.back() = 1;
  return testsupport::BitSteps(bits, testsupport::kButtonCentre);
}

}  // namespace bench
