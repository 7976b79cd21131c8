#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_class.h"
#include "app/menu_bar1.h"
#include "app/startup.h"
#include "framework/framework.h"
#include "model/module1.h"
#include "readout/startform.h"
#include "support/case_name.h"
#include "support/device_sim.h"
#include "support/headless.h"

namespace {

using testsupport::PrintTo;

using Bar = class app::MenuBar1;

// The whole course from app::main() to its exit status, with the events posted beforehand.
class CourseTest : public testsupport::HeadlessTest {
 protected:
  // The first event keeps an eye on what start-up made, so that finalisation can be checked.
  void SetUp() override {
    HeadlessTest::SetUp();
    Clock().Post([this] {
      bar_ = fw::TheApplication()->GetMenuBar();
      start_ = fw::GetImplicitWindow("Startform.Startform");
      watched_ = true;
    });
  }

  void TearDown() override {
    Bar::_implicitInstance.Exit();
    HeadlessTest::TearDown();
  }

  void ExpectFinalised() const {
    ASSERT_TRUE(watched_);
    EXPECT_TRUE(bar_.expired());
    EXPECT_TRUE(start_.expired());
    EXPECT_EQ(Bar::_implicitInstance.Get(), nullptr);
    EXPECT_TRUE(fw::Windows().empty());
    EXPECT_TRUE(Module1::bits.IsNil());
    EXPECT_TRUE(Module1::setval.IsNil());
    EXPECT_TRUE(Module1::tempval.IsNil());
    EXPECT_TRUE(Module1::maxval.IsNil());
  }

 private:
  std::weak_ptr<fw::MenuBar> bar_;
  std::weak_ptr<fw::Window> start_;
  bool watched_ = false;
};

TEST_F(CourseTest, WhenTheLoopStartsTheApplicationItsMenuBarAndTheStartWindowAreInPlace) {
  bool checked = false;
  Clock().Post([&] {
    auto* application = dynamic_cast<app::App*>(fw::TheApplication());
    ASSERT_NE(application, nullptr);
    ASSERT_NE(application->GetMenuBar(), nullptr);
    EXPECT_EQ(application->GetMenuBar(), Bar::_implicitInstance.Get());
    ASSERT_EQ(fw::Windows().size(), 1u);
    auto start = readout::Startform();
    EXPECT_EQ(fw::Windows().front(), start);
    EXPECT_EQ(start->GetMenuBar(), application->GetMenuBar());
    EXPECT_TRUE(start->Visible());
    EXPECT_EQ(start->Controls().size(), 9u);
    EXPECT_EQ(Clock().NextTickIn(*start->Timer1()), -1);
    EXPECT_EQ(fw::GetImplicitWindow("Setform.Setform"), nullptr);
    EXPECT_NE(fw::KnownClass("Setform.Setform"), nullptr);
    EXPECT_EQ(Module1::i, -2);
    EXPECT_EQ(Module1::btnindex, 1);
    EXPECT_EQ(Module1::bits(64), 0);
    checked = true;
  });
  EXPECT_EQ(app::main(), 0);
  EXPECT_TRUE(checked);
  ExpectFinalised();
}

// The application gets its menu bar before any window exists; the start window attaches it
// before its design list, and nothing calls Show: Visible is written once, by the list.
TEST_F(CourseTest, MenuBarComesFirstAndNothingIsShown) {
  testsupport::TraceRecorder trace;
  app::main();
  const std::string start = "Startform.Startform";
  std::vector<std::string> windowWrites;
  bool applicationBarFirst = false;
  for (const auto& w : trace.writes) {
    if (w.window.empty() && w.prop == "MenuBar") applicationBarFirst = windowWrites.empty();
    if (w.window == start && w.control.empty()) windowWrites.push_back(w.prop);
  }
  EXPECT_TRUE(applicationBarFirst);
  ASSERT_GE(windowWrites.size(), 2u);
  EXPECT_EQ(windowWrites[0], "MenuBar");
  EXPECT_EQ(windowWrites[1], "Placement");
  EXPECT_EQ(std::count(windowWrites.begin(), windowWrites.end(), "Visible"), 1);
}

TEST_F(CourseTest, CancelEndsTheRunWithStatusZero) {
  bool after = false;
  Clock().Post([] { readout::Startform()->PushButton2()->Action.Raise(); });
  Clock().Post([&] { after = true; });
  EXPECT_EQ(app::main(), 0);
  EXPECT_FALSE(after);
  ExpectFinalised();
}

TEST_F(CourseTest, QuitMenuItemEndsTheRunWithStatusZero) {
  Clock().Post([] {
    const std::shared_ptr<fw::MenuBar>& bar = fw::TheApplication()->GetMenuBar();
    fw::ChooseMenuItem(fw::Nil(fw::Nil(fw::Nil(bar.get()).Child("FileMenu")).Child("FileQuit")));
  });
  EXPECT_EQ(app::main(), 0);
  EXPECT_TRUE(fw::LastUnhandledException().empty());
  ExpectFinalised();
}

// An exception that leaves a handler leaves the event loop; start-up reports it, then
// finalisation and the exit follow.
struct Failure {
  const char* name;
  void (*event)();
  const char* report;
};

class FailureTest : public CourseTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailureTest, IsReportedAndTheCourseStillFinalises) {
  Clock().Post(GetParam().event);
  EXPECT_EQ(app::main(), 1);
  EXPECT_NE(fw::LastUnhandledException().find(GetParam().report), std::string::npos)
      << fw::LastUnhandledException();
  ExpectFinalised();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailureTest,
    ::testing::Values(
        // The read-out's handler records its first bit into a released array.
        Failure{"ReadOutHandler",
                [] {
                  Module1::bits.Release();
                  testsupport::DriveReadout(*readout::Startform()->PushButton1(),
                                            std::vector<int>(41, 0));
                },
                "released"},
        Failure{"NilTestInAnEvent",
                [] { readout::Startform()->Get<fw::Label>("StaticText9")->SetText("x"); },
                "NilObjectException"}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

// A window of another class under the start window's name makes the accessor's class-testing
// cast fail inside start-up: the exception comes back through the exception routine, is
// reported, and the event loop never runs.
TEST_F(CourseTest, FailedStartupIsReportedAndFinalisationFollows) {
  fw::ClassInfo impostor = fw::DeriveClass("Startform.Startform", fw::WindowClass());
  fw::CreateWindowObject<fw::Window>(impostor);
  bool ran = false;
  Clock().Post([&] { ran = true; });
  EXPECT_EQ(app::main(), 1);
  EXPECT_FALSE(ran);
  EXPECT_NE(fw::LastUnhandledException().find("IllegalCastException"), std::string::npos);
  EXPECT_TRUE(fw::Windows().empty());
  EXPECT_EQ(Bar::_implicitInstance.Get(), nullptr);
  EXPECT_TRUE(Module1::bits.IsNil());
}

TEST(ExceptionRoutine, GivesBackRuntimeExceptionsAndPassesOthersOn) {
  auto call = [](void (*routine)(void*)) {
    return app::CallFunctionWithExceptionHandling(routine, nullptr);
  };
  EXPECT_EQ(call([](void*) {}), nullptr);

  std::exception_ptr nil = call([](void*) { throw fw::NilObjectException(); });
  ASSERT_NE(nil, nullptr);
  EXPECT_THROW(std::rethrow_exception(nil), fw::NilObjectException);

  std::exception_ptr runtime = call([](void*) { throw fw::RuntimeException("plain"); });
  ASSERT_NE(runtime, nullptr);
  EXPECT_THROW(std::rethrow_exception(runtime), fw::RuntimeException);

  EXPECT_THROW(call([](void*) { throw std::logic_error("other"); }), std::logic_error);
}

TEST(ExceptionRoutine, PassesItsArgumentOn) {
  int value = 0;
  EXPECT_EQ(app::CallFunctionWithExceptionHandling(
                [](void* argument) { *static_cast<int*>(argument) = 7; }, &value),
            nullptr);
  EXPECT_EQ(value, 7);
}

}  // namespace
