#include <gtest/gtest.h>

#include "framework/framework.h"
#include "support/headless.h"

namespace {

using testsupport::HeadlessTest;

TEST_F(HeadlessTest, RunWorksThroughPostedEventsUntilQuit) {
  std::vector<int> seen;
  Clock().Post([&] { seen.push_back(1); });
  Clock().Post([&] {
    seen.push_back(2);
    fw::Quit(0);
    seen.push_back(3);  // Quit returns to its caller
  });
  Clock().Post([&] { seen.push_back(4); });
  fw::RuntimeRun();
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(HeadlessTest, FirstQuitCodeIsTheExitStatus) {
  fw::Quit(3);
  fw::Quit(0);
  EXPECT_EQ(fw::RuntimeExit(), 3);
}

TEST_F(HeadlessTest, ReportedExceptionMakesTheStatusAFailure) {
  fw::UnhandledException(std::make_exception_ptr(fw::NilObjectException()));
  fw::Quit(0);
  EXPECT_EQ(fw::LastUnhandledException(), "NilObjectException");
  EXPECT_EQ(fw::RuntimeExit(), 1);
}

std::exception_ptr Helper(void (*routine)(void*), void* argument) {
  try {
    routine(argument);
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

TEST_F(HeadlessTest, StartupRoutineExceptionComesBackThroughTheHelper) {
  fw::RuntimeSetExceptionHelper(&Helper);
  EXPECT_THROW(fw::RunFrameworkInitialization([] { throw fw::NilObjectException(); }),
               fw::NilObjectException);
  static int runs = 0;
  fw::RunFrameworkInitialization([] { ++runs; });
  EXPECT_EQ(runs, 1);
}

TEST_F(HeadlessTest, ClosedWindowLeavesTheImplicitRegistry) {
  fw::ClassInfo info = fw::DeriveClass("Test.Test", fw::WindowClass());
  auto window = fw::CreateWindowObject<fw::Window>(info);
  EXPECT_EQ(fw::GetImplicitWindow("Test.Test"), window);
  window->Close();
  EXPECT_EQ(fw::GetImplicitWindow("Test.Test"), nullptr);
  EXPECT_TRUE(fw::Windows().empty());
}

TEST_F(HeadlessTest, ChoosingTheQuitItemQuitsWithZero) {
  fw::MenuItem plain;
  EXPECT_FALSE(fw::ChooseMenuItem(plain));
  EXPECT_FALSE(fw::QuitRequested());
  fw::QuitMenuItem quit;
  EXPECT_TRUE(fw::ChooseMenuItem(quit));
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
