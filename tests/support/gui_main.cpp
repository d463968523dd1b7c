// Window tests run the real windows on the offscreen platform.
#include <gtest/gtest.h>

#include "offscreen_app.h"

int main(int argc, char** argv) {
  offscreen::prepare();
  QApplication app(argc, argv);
  offscreen::setUp(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
