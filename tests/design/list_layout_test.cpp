#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "design/class_properties.h"
#include "design/designs.h"
#include "list_test_util.h"
#include "support/case_name.h"

// Every class's list, encoded and applied to a fresh object: the writes arrive in the
// class's entry order, each under its declared property, with the design's values and the
// values common to all lists.
namespace {

using testsupport::PrintTo;

using design::Encode;

std::string Begin(const std::string& name, bool lockTop = false) {
  return "Name=\"" + name +
         "\" Index=-2147483648 Left=11 Top=12 Width=13 Height=14 LockLeft=False LockTop=" +
         (lockTop ? "True" : "False") + " LockRight=False LockBottom=False ";
}

struct LayoutCase {
  std::string name;
  // Creates the object in the form (registering a control under its name) and gives it.
  std::function<fw::Object&(fw::Window& form)> target;
  design::Bytes list;
  std::string writes;
  bool inPanel = false;
};

template <class T>
std::function<fw::Object&(fw::Window&)> Control(std::string name) {
  return [name](fw::Window& form) -> fw::Object& {
    form.AddControl(name, form.New<T>());
    return *form.ControlByName(name);
  };
}

std::vector<LayoutCase> LayoutCases() {
  return {
      {"Window", [](fw::Window& form) -> fw::Object& { return form; },
       Encode(design::WindowDesign{339, 508, "ヌピレオ設定 Ver.5.0", true}),
       "Placement=0 Width=339 Height=508 MinWidth=64 MinHeight=64 MaxWidth=32000 "
       "MaxHeight=32000 Frame=1 Composite=False HasBackColor=False BackColor=#FFFFFF "
       "Title=\"ヌピレオ設定 Ver.5.0\" Visible=True FullScreen=False MenuBarVisible=False "
       "CloseButton=True Resizeable=False LiveResize=False MaximizeButton=False "
       "MinimizeButton=True MacProcId=0"},
      {"PushButton", Control<fw::PushButton>("PushButton1"),
       Encode(design::PushButtonDesign{"PushButton1", 11, 12, 13, 14, 5, "設　定", true, true,
                                       "Rectangle1"}),
       Begin("PushButton1") +
           "TabPanelIndex=0 TabIndex=5 TabStop=True Caption=\"設　定\" Default=True "
           "Cancel=True Enabled=True Visible=True HelpTag=\"\" AutoDeactivate=True "
           "ButtonStyle=0 TextFont=\"System\" Bold=False Italic=False Underline=False "
           "InitialParent=\"Rectangle1\"",
       true},
      {"Label", Control<fw::Label>("StaticText2"),
       Encode(design::LabelDesign{"StaticText2",
                                  11,
                                  12,
                                  13,
                                  14,
                                  5,
                                  "一\r二",
                                  1,
                                  {0, 0, 255},
                                  true,
                                  true,
                                  true,
                                  "Rectangle1"}),
       Begin("StaticText2") +
           "TabPanelIndex=0 TabIndex=5 Text=\"一\r二\" TextAlign=1 TextColor=#0000FF "
           "MultiLine=True Enabled=True Visible=True Selectable=False Transparent=True "
           "HelpTag=\"\" AutoDeactivate=True TextFont=\"System\" Bold=True Italic=False "
           "Underline=False DataSource=\"\" DataField=\"\" InitialParent=\"Rectangle1\"",
       true},
      {"ImageWell", Control<fw::ImageWell>("ImageWell1"),
       Encode(design::ImageWellDesign{"ImageWell1", 11, 12, 13, 14, 5, true, ""}),
       Begin("ImageWell1", true) +
           "TabPanelIndex=0 TabIndex=5 TabStop=True InitialParent=\"\" Visible=True "
           "HelpTag=\"\" AutoDeactivate=True Enabled=True"},
      {"Separator", Control<fw::Separator>("Separator1"),
       Encode(design::SeparatorDesign{"Separator1", 11, 12, 13, 14, 5, "Rectangle1"}),
       Begin("Separator1") +
           "TabPanelIndex=0 TabIndex=5 TabStop=True InitialParent=\"Rectangle1\" Visible=True "
           "HelpTag=\"\" AutoDeactivate=True Enabled=True",
       true},
      {"Rectangle", Control<fw::Rectangle>("Rectangle2"),
       Encode(
           design::RectangleDesign{"Rectangle2", 11, 12, 13, 14, 5, {240, 255, 88}, "Rectangle1"}),
       Begin("Rectangle2") +
           "TabIndex=5 TabPanelIndex=0 Visible=True HelpTag=\"\" AutoDeactivate=True "
           "Enabled=True FillColor=#F0FF58 BorderWidth=0 TopLeftColor=#000000 "
           "BottomRightColor=#000000 InitialParent=\"Rectangle1\"",
       true},
      {"ProgressBar", Control<fw::ProgressBar>("ProgressBar1"),
       Encode(design::ProgressBarDesign{"ProgressBar1", 11, 12, 13, 14, 41, 40, "Rectangle1"}),
       Begin("ProgressBar1") +
           "TabPanelIndex=0 Visible=True HelpTag=\"\" AutoDeactivate=True Enabled=True "
           "Value=41 Maximum=40 InitialParent=\"Rectangle1\"",
       true},
      {"GroupBox", Control<fw::GroupBox>("GroupBox1"),
       Encode(design::GroupBoxDesign{"GroupBox1", 11, 12, 13, 14, 5, "拡張", false, ""}),
       Begin("GroupBox1") +
           "TabPanelIndex=0 TabIndex=5 Caption=\"拡張\" Enabled=False Visible=True "
           "HelpTag=\"\" AutoDeactivate=True TextFont=\"System\" Bold=False Italic=False "
           "Underline=False InitialParent=\"\""},
      {"CheckBox", Control<fw::CheckBox>("CheckBox1"),
       Encode(design::CheckBoxDesign{"CheckBox1", 11, 12, 13, 14, 5, "ext1", false, "Rectangle1"}),
       Begin("CheckBox1") +
           "TabPanelIndex=0 TabIndex=5 TabStop=True Caption=\"ext1\" Enabled=False "
           "Visible=True HelpTag=\"\" AutoDeactivate=True TextFont=\"System\" Bold=False "
           "Italic=False Underline=False State=0 Value=False DataSource=\"\" DataField=\"\" "
           "InitialParent=\"Rectangle1\"",
       true},
      {"Slider", Control<fw::Slider>("Slider1"),
       Encode(design::SliderDesign{"Slider1", 11, 12, 13, 14, 5, "Rectangle1"}),
       Begin("Slider1") +
           "TabPanelIndex=0 TabIndex=5 TabStop=True Enabled=True Visible=True HelpTag=\"\" "
           "AutoDeactivate=True Minimum=0 Value=0 Maximum=7 LineStep=1 PageStep=1 "
           "LiveScroll=False TickStyle=0 InitialParent=\"Rectangle1\"",
       true},
      {"PopupMenu", Control<fw::PopupMenu>("PopupMenu1"),
       Encode(
           design::PopupMenuDesign{"PopupMenu1", 11, 12, 13, 14, 5, {"A", "B", "C"}, "Rectangle1"}),
       Begin("PopupMenu1") +
           "TabPanelIndex=0 TabIndex=5 TabStop=True Enabled=True InitialValue=\"A\rB\rC\" "
           "ListIndex=0 Visible=True HelpTag=\"\" AutoDeactivate=True TextFont=\"System\" "
           "Bold=False Italic=False Underline=False DataSource=\"\" DataField=\"\" "
           "InitialParent=\"Rectangle1\"",
       true},
      {"Timer", Control<fw::Timer>("Timer1"), Encode(design::TimerDesign{2, 400}),
       "Mode=2 Period=400"},
  };
}

// The value a property's getter gives, in the trace's text form.
std::string GetterText(const design::PropertyInfo& property, const fw::Object& object) {
  return fw::PropValueText(
      std::visit([](const auto& v) { return fw::PropValue(v); }, property.get(object)));
}

class ListLayout : public designtest::FormTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ListLayout, AppliesEveryEntryInOrder) {
  const LayoutCase& c = GetParam();
  fw::Object& object = c.target(*form);
  testsupport::TraceRecorder trace;
  design::SetProperties(object, c.list);
  EXPECT_EQ(designtest::Writes(trace), c.writes);

  // Read back: every property written holds its last written value.
  const design::ClassProperties* properties = design::PropertiesOf(object);
  ASSERT_NE(properties, nullptr);
  for (const auto& write : trace.writes) {
    const design::PropertyInfo* property = design::FindProperty(*properties, write.prop);
    ASSERT_NE(property, nullptr) << write.prop;
    EXPECT_EQ(GetterText(*property, object), write.value) << write.prop;
  }
  if (auto* control = dynamic_cast<fw::RectControl*>(&object)) {
    EXPECT_EQ(control->Parent(), c.inPanel ? form->ControlByName("Rectangle1") : nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryClass, ListLayout, ::testing::ValuesIn(LayoutCases()),
                         [](const auto& info) { return info.param.name; });

using ListApply = designtest::FormTest;

TEST_F(ListApply, WindowListShowsTheWindow) {
  ASSERT_FALSE(form->Visible());
  design::SetProperties(*form, Encode(design::WindowDesign{339, 508, "x", false}));
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->Width(), 339);
}

TEST_F(ListApply, PopupRowsInStoredOrder) {
  auto& popup = Add<fw::PopupMenu>("PopupMenu1");
  design::SetProperties(popup,
                        Encode(design::PopupMenuDesign{
                            .name = "PopupMenu1", .rows = {"速い", "普通", "遅い"}, .parent = ""}));
  EXPECT_EQ(popup.Rows(), (std::vector<std::string>{"速い", "普通", "遅い"}));
  EXPECT_EQ(popup.ListIndex(), 0);
}

// A subclass of Timer, like the start window's Timer1, takes a Timer list.
TEST_F(ListApply, TimerSubclassTakesTimerList) {
  struct OwnTimer : fw::Timer {};
  auto& timer = Add<OwnTimer>("Timer1");
  timer.SetMode(fw::kTimerModeMultiple);
  design::SetProperties(timer, Encode(design::TimerDesign{0, 1000}));
  EXPECT_EQ(timer.Mode(), 0);
  EXPECT_EQ(timer.Period(), 1000);
  EXPECT_EQ(Clock().NextTickIn(timer), -1);
}

}  // namespace
