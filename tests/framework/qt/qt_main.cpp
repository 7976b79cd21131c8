#include <gtest/gtest.h>

#include <QtGlobal>

#include "framework/qt/platform.h"

// The Qt tests share one platform; listing the tests needs none.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  fw::qt::Platform platform(argc, argv);
  return RUN_ALL_TESTS();
}
