#pragma once

#include <string>
#include <vector>

#include "framework/framework.h"

namespace editor {

using fw::Int32;

// What the description panel shows after a stray pointer: one line.
extern const char kStrayPointerMessage[];

// The window titles: the switch-on start, and the version title that the hardware version
// (major "." minor) follows.
extern const char kSwitchOnTitle[];
extern const char kVersionTitle[];

// The lines of the description of setting item 1..13.
const std::vector<std::string>& ItemDescriptionLines(Int32 item);

// The description of setting item 1..13 as the panel shows it: the lines joined by the
// platform's line end, none after the last.
std::string ItemDescription(Int32 item);

// The one-line description of finish choice 1..4: continue, finish with change, revert,
// standard values.
const std::string& FinishChoiceDescription(Int32 choice);

}  // namespace editor
