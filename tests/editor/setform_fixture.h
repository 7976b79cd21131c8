#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/setform.h"
#include "support/headless.h"
#include "support/switch_sim.h"

namespace editortest {

using testsupport::Point;
// The window class (the accessor function editor::Setform() hides the plain name).
using SetformWindow = class editor::Setform;

// The full names the two windows are known by.
inline constexpr const char* kSetform = "Setform.Setform";
inline constexpr const char* kStartform = "Startform.Startform";

// A headless settings window opened the way a completed read-out opens it, beside a shown
// start window, with the device's switch simulated over its description panel.
class SetformTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override;

  // Opens the settings window, built from its design, through the accessor by its full name
  // (what the read-out calls) and keeps it in `form`. Set Module1::setval before calling.
  std::shared_ptr<SetformWindow> OpenSettings();

  // Delivers pointer positions to the description panel's MouseMove event.
  void Move(const testsupport::Positions& positions);
  void Move(Point position) { Move(testsupport::Positions{position}); }
  // The jump that arms the decoder after opening.
  void Arm() { Move(sim.JumpTo()); }
  void ShortPress() { Move(sim.ShortPress()); }
  void LongPress() { Move(sim.LongPress()); }
  void ShortPresses(int n);
  void LongPresses(int n);

  // The push buttons that carry any part of the emphasis, each with "D", "B", "U" for
  // Default, Bold and Underline.
  std::map<std::string, std::string> Marks() const;
  // Names of the controls among `names` that are enabled.
  std::vector<std::string> Enabled(const std::vector<std::string>& names) const;

  std::shared_ptr<fw::Window> start;
  std::shared_ptr<SetformWindow> form;
  testsupport::SwitchSim sim;
};

// The controls that the window's opening disables, in its order.
const std::vector<std::string>& DisabledOnOpen();

}  // namespace editortest
