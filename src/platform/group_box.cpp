#include "platform/group_box.h"

namespace ringlark {

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent) {
  setTitle(QString());
  setAlignment(Qt::AlignLeft);
  setFlat(false);
}

}  // namespace ringlark
