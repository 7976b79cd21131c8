#pragma once

#include <string>
#include <vector>

#include "design/property_list.h"

// The readable form of the design lists: one struct per class with the values that differ
// between lists; Encode writes every entry of the class, in its order, with the values
// common to all lists filled in.
namespace design {

struct WindowDesign {
  fw::Int32 width = 0;
  fw::Int32 height = 0;
  std::string title;
  bool minimizeButton = false;
};

struct PushButtonDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::string caption;
  bool isDefault = false;
  bool cancel = false;
  std::string parent;  // InitialParent: "" is the window
};

struct LabelDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::string text;  // lines joined by CR
  fw::Int32 textAlign = 0;
  fw::Color textColor{};
  bool multiline = false;
  bool transparent = false;
  bool bold = false;
  std::string parent;
};

struct ImageWellDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  bool lockTop = false;
  std::string parent;
};

struct SeparatorDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::string parent;
};

struct RectangleDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  fw::Color fillColor{255, 255, 255};
  std::string parent;
};

struct ProgressBarDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 value = 0;
  fw::Int32 maximum = 100;
  std::string parent;
};

struct GroupBoxDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::string caption;
  bool enabled = true;
  std::string parent;
};

struct CheckBoxDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::string caption;
  bool enabled = true;
  std::string parent;
};

struct SliderDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::string parent;
};

struct PopupMenuDesign {
  std::string name;
  fw::Int32 left = 0, top = 0, width = 0, height = 0;
  fw::Int32 tabIndex = 0;
  std::vector<std::string> rows;  // joined by CR into InitialValue
  std::string parent;
};

struct TimerDesign {
  fw::Int32 mode = 0;
  fw::Int32 period = 1000;
};

Bytes Encode(const WindowDesign& d);
Bytes Encode(const PushButtonDesign& d);
Bytes Encode(const LabelDesign& d);
Bytes Encode(const ImageWellDesign& d);
Bytes Encode(const SeparatorDesign& d);
Bytes Encode(const RectangleDesign& d);
Bytes Encode(const ProgressBarDesign& d);
Bytes Encode(const GroupBoxDesign& d);
Bytes Encode(const CheckBoxDesign& d);
Bytes Encode(const SliderDesign& d);
Bytes Encode(const PopupMenuDesign& d);
Bytes Encode(const TimerDesign& d);

}  // namespace design
