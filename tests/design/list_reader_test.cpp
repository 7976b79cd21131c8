#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "design/class_properties.h"
#include "design/list_writer.h"
#include "list_test_util.h"
#include "support/case_name.h"

namespace {

using testsupport::PrintTo;

using design::Bytes;
using design::ListWriter;
using designtest::Hex;

using Target = std::function<fw::Object&(fw::Window& form)>;

template <class T>
Target Control(std::string name) {
  return [name](fw::Window& form) -> fw::Object& {
    form.AddControl(name, form.New<T>());
    return *form.ControlByName(name);
  };
}

fw::Object& TheWindow(fw::Window& form) {
  return form;
}

// Lists that are read by the object's class: what each entry sets.
struct ReadCase {
  std::string name;
  Target target;
  Bytes list;
  std::string writes;
};

std::vector<ReadCase> ReadCases() {
  return {
      {"CheckBoxValueIsOneByte", Control<fw::CheckBox>("CheckBox1"),
       Hex("\"Value \" 01 \"Caption \" 00 00 00 01 \"x\""), "Value=True Caption=\"x\""},
      {"SliderValueIsFourBytes", Control<fw::Slider>("Slider1"),
       Hex("\"Value \" 00 00 00 03 \"Maximum \" 00 00 00 09"), "Value=3 Maximum=9"},
      {"ProgressBarValueIsFourBytes", Control<fw::ProgressBar>("ProgressBar1"),
       Hex("\"Value \" 00 00 00 29 \"Maximum \" 00 00 00 28"), "Value=41 Maximum=40"},
      {"EmptyTextThenNextName", Control<fw::PushButton>("PushButton1"),
       Hex("\"HelpTag \" 00 00 00 00 \"Visible \" 00"), "HelpTag=\"\" Visible=False"},
      {"NegativeInt32", Control<fw::Label>("StaticText1"), Hex("\"Left \" FF FF FF F9"), "Left=-7"},
      {"LabelMultiline", Control<fw::Label>("StaticText1"), Hex("\"Multiline \" 01"),
       "MultiLine=True"},
      {"WindowMacProcID", TheWindow, Hex("\"MacProcID \" 00 00 00 07"), "MacProcId=7"},
      {"AnyCase", Control<fw::PushButton>("PushButton1"),
       Hex("\"CAPTION \" 00 00 00 01 \"a\" \"tabindex \" 00 00 00 02 \"lockTOP \" 01"),
       "Caption=\"a\" TabIndex=2 LockTop=True"},
      {"ControlPropertyOfTimer", Control<fw::Timer>("Timer1"),
       Hex("\"Name \" 00 00 00 06 \"Timer1\" \"Period \" 00 00 01 90"),
       "Name=\"Timer1\" Period=400"},
      {"EmptyList", Control<fw::Label>("StaticText1"), {}, ""},
  };
}

class ListRead : public designtest::FormTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ListRead, SetsWhatEachEntryNames) {
  const ReadCase& c = GetParam();
  fw::Object& object = c.target(*form);
  testsupport::TraceRecorder trace;
  design::SetProperties(object, c.list);
  EXPECT_EQ(designtest::Writes(trace), c.writes);
}

INSTANTIATE_TEST_SUITE_P(Lists, ListRead, ::testing::ValuesIn(ReadCases()),
                         [](const auto& info) { return info.param.name; });

// A push button's list and the offsets of its parts:
//   0 Name: name 0, count 5, text 9..19      41 Default: name 41, value 49
//  20 Caption: name 20, count 28, text 32..40  50 InitialParent: name 50, count 64, text 68..77
Bytes ButtonList() {
  return ListWriter()
      .String("Name", "PushButton1")
      .String("Caption", "設　定")
      .Boolean("Default", true)
      .String("InitialParent", "Rectangle1")
      .Take();
}

Bytes Cut(std::size_t length) {
  Bytes list = ButtonList();
  list.resize(length);
  return list;
}

Bytes Patch(std::size_t offset, std::string_view bytes) {
  Bytes list = ButtonList();
  std::copy(bytes.begin(), bytes.end(), list.begin() + static_cast<std::ptrdiff_t>(offset));
  return list;
}

Bytes Append(const Bytes& more) {
  Bytes list = ButtonList();
  list.insert(list.end(), more.begin(), more.end());
  return list;
}

struct BadCase {
  std::string name;
  Bytes list;
  std::string entry;
  std::size_t offset;
};

std::vector<BadCase> BadCases() {
  return {
      {"CutInsideName", Cut(23), "Cap", 20},
      {"CutBeforeSpace", Cut(27), "Caption", 20},
      {"CutAfterSpace", Cut(28), "Caption", 28},
      {"CutInsideCount", Cut(30), "Caption", 28},
      {"CutInsideText", Cut(35), "Caption", 32},
      {"CutBeforeBoolean", Cut(49), "Default", 49},
      {"CutInsideLastText", Cut(77), "InitialParent", 68},
      {"CountTooLarge", Patch(28, "\xFF\xFF\xFF\xFF"), "Caption", 32},
      {"UnknownName", Patch(47, "x"), "Defaulx", 41},
      {"NameOfAnotherClass", Append(Hex("\"FillColor \" F0 FF 58")), "FillColor", 78},
      {"NoSpaceAtAll", Append(Hex("\"Visible\"")), "Visible", 78},
      {"BadBoolean", Patch(49, "\x02"), "Default", 49},
      {"TextNotUtf8", Patch(35, "\xC0"), "Caption", 35},
      {"UnknownContainer", Patch(77, "9"), "InitialParent", 64},
      {"ContainerRegisteredLater", Patch(77, "2"), "InitialParent", 64},
      {"ContainerOfNoKind", Patch(77, "3"), "InitialParent", 64},
  };
}

// Every property of the object, by its getter.
std::vector<design::PropertyValue> Snapshot(const fw::Object& object) {
  std::vector<design::PropertyValue> values;
  for (const auto* property : design::AllProperties(*design::PropertiesOf(object))) {
    values.push_back(property->get(object));
  }
  return values;
}

class BadList : public designtest::FormTest, public ::testing::WithParamInterface<BadCase> {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Add<fw::Timer>("Rectangle3");  // a control that holds no others
    Add<fw::PushButton>("PushButton1");
    Add<fw::Rectangle>("Rectangle2");
  }
};

TEST_P(BadList, NamesObjectEntryAndOffsetAndAppliesNothing) {
  const BadCase& c = GetParam();
  auto& button = fw::Cast<fw::PushButton>(*form->ControlByName("PushButton1"));
  const auto before = Snapshot(button);
  testsupport::TraceRecorder trace;
  try {
    design::SetProperties(button, c.list);
    FAIL() << "no ListError";
  } catch (const design::ListError& error) {
    EXPECT_EQ(error.Object(), "PushButton1");
    EXPECT_EQ(error.Entry(), c.entry);
    EXPECT_EQ(error.Offset(), c.offset);
    const std::string what = error.what();
    EXPECT_NE(what.find("PushButton1"), std::string::npos) << what;
    EXPECT_NE(what.find("\"" + c.entry + "\""), std::string::npos) << what;
    EXPECT_NE(what.find("byte " + std::to_string(c.offset)), std::string::npos) << what;
  }
  EXPECT_TRUE(trace.writes.empty());
  EXPECT_EQ(Snapshot(button), before);
  EXPECT_EQ(button.Parent(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Lists, BadList, ::testing::ValuesIn(BadCases()),
                         [](const auto& info) { return info.param.name; });

using ListReject = designtest::FormTest;

TEST_F(ListReject, WindowIsNamedByItsClass) {
  const Bytes list = ListWriter().String("Title", "t").Int32("Left", 5).Take();
  try {
    design::SetProperties(*form, list);
    FAIL() << "no ListError";
  } catch (const design::ListError& error) {
    EXPECT_EQ(error.Object(), "Test.Form");
    EXPECT_EQ(error.Entry(), "Left");
    EXPECT_EQ(error.Offset(), 11u);
  }
  EXPECT_EQ(form->Title(), "");
}

TEST_F(ListReject, ValueOfAnotherClassesWidth) {
  auto& check = Add<fw::CheckBox>("CheckBox1");
  // The Int32 width of a slider's Value: 00 is read as the Boolean, then "00 00 01" as a name.
  EXPECT_THROW(design::SetProperties(check, Hex("\"Value \" 00 00 00 01")), design::ListError);
  auto& slider = Add<fw::Slider>("Slider1");
  EXPECT_THROW(design::SetProperties(slider, Hex("\"Value \" 01")), design::ListError);
  EXPECT_FALSE(check.Value());
  EXPECT_EQ(slider.Value(), 0);
}

TEST_F(ListReject, ContainerOfAControlInNoWindow) {
  fw::Label loose;
  try {
    design::SetProperties(loose, ListWriter().String("InitialParent", "Rectangle1").Take());
    FAIL() << "no ListError";
  } catch (const design::ListError& error) {
    EXPECT_EQ(error.Object(), "unregistered Label");
    EXPECT_EQ(error.Entry(), "InitialParent");
  }
}

TEST_F(ListReject, ObjectWithoutDesignList) {
  fw::MenuItem item;
  EXPECT_THROW(design::SetProperties(item, Hex("\"Name \" 00 00 00 00")), design::ListError);
}

}  // namespace
