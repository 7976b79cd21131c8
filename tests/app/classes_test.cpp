#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_class.h"
#include "app/menu_bar1.h"
#include "app/startup.h"
#include "framework/framework.h"
#include "support/headless.h"

namespace {

std::vector<std::string> Names(const std::vector<fw::MemberRecord>& members) {
  std::vector<std::string> names;
  for (const auto& member : members)
    names.push_back(member.name);
  return names;
}

class Initialisation : public testsupport::HeadlessTest {};

TEST_F(Initialisation, MakesEveryClassKnownAndCreatesNothing) {
  app::initialize();
  for (const char* name : {"App", "Startform.Startform", "Startform.Timer1", "MenuBar1.MenuBar1",
                           "Setform.Setform", "Window", "Application", "MenuBar"}) {
    EXPECT_NE(fw::KnownClass(name), nullptr) << name;
  }
  // No instance of the system's classes and no window yet.
  EXPECT_TRUE(fw::Windows().empty());
  EXPECT_EQ(app::MenuBar1::_implicitInstance.Get(), nullptr);
  EXPECT_EQ(fw::TheApplication(), nullptr);
}

TEST(AppClasses, MenuBarClassKeepsTheInheritedSlotsAndAddsItsTwoBuilders) {
  const fw::ClassInfo& info = app::MenuBar1::Lookup();
  EXPECT_EQ(&app::MenuBar1::Lookup(), &info);
  EXPECT_EQ(info.fullName, "MenuBar1.MenuBar1");
  EXPECT_EQ(info.base, &fw::MenuBarClass());
  std::vector<std::string> operations = fw::MenuBarClass().operations;
  operations.insert(operations.end(), {"Untitled0", "Untitled1"});
  EXPECT_EQ(info.operations, operations);
  EXPECT_EQ(Names(info.members),
            (std::vector<std::string>{"Constructor", "Untitled0", "Untitled1"}));
  EXPECT_TRUE(info.isPublic);
}

TEST(AppClasses, AppClassAddsItsConstructorAfterTheApplicationsOperations) {
  const fw::ClassInfo& info = app::App::Lookup();
  EXPECT_EQ(info.fullName, "App");
  EXPECT_EQ(info.base, &fw::ApplicationClass());
  std::vector<std::string> operations = fw::ApplicationClass().operations;
  operations.push_back("Constructor");
  EXPECT_EQ(info.operations, operations);
  EXPECT_EQ(Names(info.members), (std::vector<std::string>{"Constructor"}));
}

}  // namespace
