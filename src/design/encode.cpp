#include <string_view>

#include "design/designs.h"
#include "design/list_writer.h"

// Each class's entries in its list order. Values not taken from the design are the ones
// every list of the class holds.
namespace design {

namespace {

constexpr std::string_view kSystemFont = "System";
constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kWhite{255, 255, 255};

// The ten entries every visible control's list begins with.
template <class D>
ListWriter Begin(const D& d, bool lockTop = false) {
  ListWriter w;
  w.String("Name", d.name)
      .Int32("Index", fw::kNoIndex)
      .Int32("Left", d.left)
      .Int32("Top", d.top)
      .Int32("Width", d.width)
      .Int32("Height", d.height)
      .Boolean("LockLeft", false)
      .Boolean("LockTop", lockTop)
      .Boolean("LockRight", false)
      .Boolean("LockBottom", false);
  return w;
}

// The entries of a well and a separator, after the first ten.
Bytes Plain(ListWriter w, fw::Int32 tabIndex, const std::string& parent) {
  return w.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", tabIndex)
      .Boolean("TabStop", true)
      .String("InitialParent", parent)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", true)
      .Take();
}

}  // namespace

Bytes Encode(const WindowDesign& d) {
  return ListWriter()
      .Int32("Placement", 0)
      .Int32("Width", d.width)
      .Int32("Height", d.height)
      .Int32("MinWidth", 64)
      .Int32("MinHeight", 64)
      .Int32("MaxWidth", 32000)
      .Int32("MaxHeight", 32000)
      .Int32("Frame", 1)
      .Boolean("Composite", false)
      .Boolean("HasBackColor", false)
      .Color("BackColor", kWhite)
      .String("Title", d.title)
      .Boolean("Visible", true)
      .Boolean("FullScreen", false)
      .Boolean("MenuBarVisible", false)
      .Boolean("CloseButton", true)
      .Boolean("Resizeable", false)
      .Boolean("LiveResize", false)
      .Boolean("MaximizeButton", false)
      .Boolean("MinimizeButton", d.minimizeButton)
      .Int32("MacProcID", 0)
      .Take();
}

Bytes Encode(const PushButtonDesign& d) {
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", d.tabIndex)
      .Boolean("TabStop", true)
      .String("Caption", d.caption)
      .Boolean("Default", d.isDefault)
      .Boolean("Cancel", d.cancel)
      .Boolean("Enabled", true)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Int32("ButtonStyle", 0)
      .String("TextFont", kSystemFont)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const LabelDesign& d) {
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", d.tabIndex)
      .String("Text", d.text)
      .Int32("TextAlign", d.textAlign)
      .Color("TextColor", d.textColor)
      .Boolean("Multiline", d.multiline)
      .Boolean("Enabled", true)
      .Boolean("Visible", true)
      .Boolean("Selectable", false)
      .Boolean("Transparent", d.transparent)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .String("TextFont", kSystemFont)
      .Boolean("Bold", d.bold)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("DataSource", "")
      .String("DataField", "")
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const ImageWellDesign& d) {
  return Plain(Begin(d, d.lockTop), d.tabIndex, d.parent);
}

Bytes Encode(const SeparatorDesign& d) {
  return Plain(Begin(d), d.tabIndex, d.parent);
}

Bytes Encode(const RectangleDesign& d) {
  return Begin(d)
      .Int32("TabIndex", d.tabIndex)
      .Int32("TabPanelIndex", 0)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", true)
      .Color("FillColor", d.fillColor)
      .Int32("BorderWidth", 0)
      .Color("TopLeftColor", kBlack)
      .Color("BottomRightColor", kBlack)
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const ProgressBarDesign& d) {
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", true)
      .Int32("Value", d.value)
      .Int32("Maximum", d.maximum)
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const GroupBoxDesign& d) {
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", d.tabIndex)
      .String("Caption", d.caption)
      .Boolean("Enabled", d.enabled)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .String("TextFont", kSystemFont)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const CheckBoxDesign& d) {
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", d.tabIndex)
      .Boolean("TabStop", true)
      .String("Caption", d.caption)
      .Boolean("Enabled", d.enabled)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .String("TextFont", kSystemFont)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .Int32("State", 0)
      .Boolean("Value", false)
      .String("DataSource", "")
      .String("DataField", "")
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const SliderDesign& d) {
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", d.tabIndex)
      .Boolean("TabStop", true)
      .Boolean("Enabled", true)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Int32("Minimum", 0)
      .Int32("Value", 0)
      .Int32("Maximum", 7)
      .Int32("LineStep", 1)
      .Int32("PageStep", 1)
      .Boolean("LiveScroll", false)
      .Int32("TickStyle", 0)
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const PopupMenuDesign& d) {
  std::string rows;
  for (std::size_t k = 0; k < d.rows.size(); ++k) {
    // A CR inside a row would split it in two when the list is read.
    if (d.rows[k].find('\r') != std::string::npos) {
      throw fw::RuntimeException("pop-up row of " + d.name + " holds a CR");
    }
    if (k > 0) rows += '\r';
    rows += d.rows[k];
  }
  return Begin(d)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", d.tabIndex)
      .Boolean("TabStop", true)
      .Boolean("Enabled", true)
      .String("InitialValue", rows)
      .Int32("ListIndex", 0)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .String("TextFont", kSystemFont)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .String("DataSource", "")
      .String("DataField", "")
      .String("InitialParent", d.parent)
      .Take();
}

Bytes Encode(const TimerDesign& d) {
  return ListWriter().Int32("Mode", d.mode).Int32("Period", d.period).Take();
}

}  // namespace design
