#pragma once

#include <string>

#include <QLineEdit>

namespace ringlark {

// A one-line text field the user can type into; no length limit.
class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent = nullptr);

  std::string text() const;
  void set_text(const std::string& text);
};

}  // namespace ringlark
