// The reference for start-up and memory: a bare Qt Widgets window of Ringlark's size, built the
// same way. It quits when its window is closed.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare_qt_window"));
  window.setFixedSize(574, 246);
  window.show();
  return QApplication::exec();
}
