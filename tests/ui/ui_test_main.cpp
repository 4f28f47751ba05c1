#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Every UI test runs on Qt's offscreen platform, so no test needs a display
// and none can block on a window.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // CTest runs tests in parallel processes; each keeps its settings (recent
  // files, the editor's key) in a folder of its own, not the user's.
  QTemporaryDir home;
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
