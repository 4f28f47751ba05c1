#include <gtest/gtest.h>

#include <QApplication>

// Every UI test runs on Qt's offscreen platform, so no test needs a display
// and none can block on a window.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
