#pragma once

#include <QGroupBox>

namespace ringlark {

// A frame around its children with no title. Children are placed relative to its top-left
// corner, as with a native group box, whose client area is the whole control.
class GroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit GroupBox(QWidget* parent = nullptr);
};

}  // namespace ringlark
