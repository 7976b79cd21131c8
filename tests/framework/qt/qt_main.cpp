#include <gtest/gtest.h>

#include <QtGlobal>
#include <cstdio>

#include "framework/qt/platform.h"

// The Qt tests share one platform; listing the tests needs none.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
#ifdef NUPIREO_SCALED_TESTS
  // Without a factor these would pass at scale 1 and prove nothing about scaling.
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") &&
      qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS")) {
    std::fprintf(stderr,
                 "%s: no scale factor set; ctest runs these with QT_SCALE_FACTOR=1.25, 1.5 and "
                 "2, or set it yourself\n",
                 argv[0]);
    return 1;
  }
#endif
  qputenv("QT_QPA_PLATFORM", "offscreen");
  fw::qt::Platform platform(argc, argv);
  return RUN_ALL_TESTS();
}
