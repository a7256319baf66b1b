#include "platform/edit_box.h"

#include <limits>

namespace ringlark {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  // QLineEdit cuts at 32767 characters by default; a typed path has no limit.
  setMaxLength(std::numeric_limits<int>::max());
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::string EditBox::text() const { return QLineEdit::text().toUtf8().toStdString(); }

void EditBox::set_text(const std::string& text) { setText(QString::fromUtf8(text)); }

}  // namespace ringlark
