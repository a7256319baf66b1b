#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace ringlark {

void show_error_message(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(title), QString::fromUtf8(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  // Paths and OS reasons are data: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace ringlark
