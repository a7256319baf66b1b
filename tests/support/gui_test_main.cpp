#include <gtest/gtest.h>
#include <QApplication>

// GUI tests drive real widgets, which need one QApplication for the whole run.
int main(int argc, char** argv) {
  // Test discovery runs the executable without the tests' environment: stay headless there too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
