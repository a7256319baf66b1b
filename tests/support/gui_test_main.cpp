#include <gtest/gtest.h>
#include <QApplication>

// GUI tests drive real widgets, which need one QApplication for the whole run.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
