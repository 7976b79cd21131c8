#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "design/property_list.h"

namespace editor {

// One control of the settings window's design: the class it is made of, its name and its
// design list.
struct SetformControl {
  enum class Kind {
    Rectangle,
    Label,
    GroupBox,
    CheckBox,
    Slider,
    PushButton,
    PopupMenu,
    Separator
  };
  Kind kind;
  std::string name;
  design::Bytes list;
};

// The window's own design list.
const design::Bytes& SetformWindowList();

// The 46 controls in creation order, encoded once on first use. A container comes before
// every control that names it.
const std::vector<SetformControl>& SetformControls();

// CreateControls0 makes the first 30, CreateControls1 the rest.
inline constexpr std::size_t kControlsOfCreateControls0 = 30;

}  // namespace editor
