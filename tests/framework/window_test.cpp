#include <gtest/gtest.h>

#include "framework/framework.h"
#include "support/headless.h"

namespace {

using testsupport::HeadlessTest;

TEST_F(HeadlessTest, RegistryFindsControlsByNameOnly) {
  fw::ClassInfo info = fw::DeriveClass("Test.Test", fw::WindowClass());
  auto window = fw::CreateWindowObject<fw::Window>(info);
  window->AddControl("PushButton1", window->New<fw::PushButton>());
  EXPECT_NE(window->ControlByName("PushButton1"), nullptr);
  EXPECT_EQ(window->ControlByName("PushButton2"), nullptr);
  EXPECT_THROW(window->AddControl("PushButton1", window->New<fw::Label>()), fw::RuntimeException);
  EXPECT_THROW(window->Get<fw::Label>("PushButton1"), fw::IllegalCastException);
  fw::Ref<fw::Label> missing = window->Get<fw::Label>("Nothing");
  EXPECT_THROW(missing->SetText("x"), fw::NilObjectException);
}

}  // namespace
