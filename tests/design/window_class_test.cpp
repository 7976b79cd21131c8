#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "editor/setform.h"
#include "readout/startform.h"
#include "support/case_name.h"
#include "support/headless.h"

// The declarations of the two window classes.
namespace {

using testsupport::PrintTo;

using Names = std::vector<std::string>;

Names StartformOwn() {
  return {"Layout",
          "CreateControls",
          "_CreateControls0",
          "PushButton1",
          "PushButton2",
          "StaticText1",
          "ImageWell1",
          "Rectangle1",
          "ProgressBar1",
          "StaticText3",
          "Timer1",
          "StaticText2",
          "PushButton1_MouseMove",
          "PushButton1_Action",
          "PushButton1_MouseDown",
          "PushButton2_Action",
          "Timer1_Action",
          "Event_Open"};
}

Names SetformOwn() {
  Names own = {"Layout",     "CreateControls", "_CreateControls0", "_CreateControls1",
               "Rectangle1", "StaticText1",    "GroupBox1",        "CheckBox1",
               "CheckBox2",  "CheckBox3",      "CheckBox4",        "StaticText9",
               "Slider4",    "StaticText8",    "Slider3",          "StaticText6",
               "Slider1",    "StaticText7",    "Slider2"};
  for (int k = 1; k <= 13; ++k)
    own.push_back("PushButton" + std::to_string(k));
  for (const char* name : {"PushButton15", "PushButton16", "PushButton18"})
    own.push_back(name);
  for (int k = 1; k <= 8; ++k)
    own.push_back("PopupMenu" + std::to_string(k));
  for (const char* name :
       {"PushButton20", "StaticText2", "StaticText3", "StaticText4", "StaticText5", "StaticText10",
        "Separator1", "StaticText1_MouseMove", "Event_Open", "Event_MouseDown", "SelBtn", "SelItem",
        "Revert", "SetListIndex", "Dflt", "ErrEnd"}) {
    own.push_back(name);
  }
  return own;
}

struct ClassCase {
  std::string name;
  const fw::ClassInfo& (*lookup)();
  void (*build)();
  std::string fullName;
  Names own;
  Names hidden;
  bool handlesMouseDown;
};

std::vector<ClassCase> ClassCases() {
  return {
      {"Startform",
       &readout::Startform::Lookup,
       &readout::Startform::ctblinit,
       "Startform.Startform",
       StartformOwn(),
       {"_CreateControls0"},
       false},
      {"Setform",
       &editor::Setform::Lookup,
       &editor::Setform::ctblinit,
       "Setform.Setform",
       SetformOwn(),
       {"_CreateControls0", "_CreateControls1"},
       true},
  };
}

class WindowClass : public testsupport::HeadlessTest,
                    public ::testing::WithParamInterface<ClassCase> {};

TEST_P(WindowClass, IsBuiltOnceAndKnownByItsFullName) {
  const ClassCase& c = GetParam();
  const fw::ClassInfo& first = c.lookup();
  c.build();
  EXPECT_EQ(&c.lookup(), &first);
  EXPECT_EQ(first.fullName, c.fullName);
  EXPECT_EQ(fw::KnownClass(c.fullName), &first);
  EXPECT_EQ(first.base, &fw::WindowClass());
  EXPECT_TRUE(first.isPublic);
}

TEST_P(WindowClass, WindowOperationsThenItsOwnInOrder) {
  const ClassCase& c = GetParam();
  const fw::ClassInfo& info = c.lookup();
  Names expected = fw::WindowClass().operations;
  expected.insert(expected.end(), c.own.begin(), c.own.end());
  EXPECT_EQ(info.operations, expected);

  Names members, hidden;
  for (const fw::MemberRecord& member : info.members) {
    members.push_back(member.name);
    EXPECT_TRUE(member.isPublic) << member.name;
    if (member.hidden) hidden.push_back(member.name);
  }
  EXPECT_EQ(members, c.own);
  EXPECT_EQ(hidden, c.hidden);
}

TEST_P(WindowClass, EventTableHoldsItsHandlers) {
  const ClassCase& c = GetParam();
  const fw::WindowEventTable& events = c.lookup().events;
  EXPECT_TRUE(events.Layout);
  EXPECT_TRUE(events.CreateControls);
  EXPECT_TRUE(events.Open);
  EXPECT_EQ(static_cast<bool>(events.MouseDown), c.handlesMouseDown);
  EXPECT_TRUE(c.lookup().newWindow);
}

INSTANTIATE_TEST_SUITE_P(Both, WindowClass, ::testing::ValuesIn(ClassCases()),
                         [](const auto& info) { return info.param.name; });

TEST_F(WindowClass, StartformTimerClassIsATimer) {
  const fw::ClassInfo& info = readout::StartformTimer1::Lookup();
  EXPECT_EQ(&readout::StartformTimer1::Lookup(), &info);
  EXPECT_EQ(info.fullName, "Startform.Timer1");
  EXPECT_EQ(info.base, &fw::TimerClass());
}

}  // namespace
