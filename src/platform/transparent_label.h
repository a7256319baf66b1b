#pragma once

#include <string>

#include <QLabel>

namespace ringlark {

// A caption drawn straight onto the parent's background: no background of its own, black,
// left-aligned, one line centred vertically, never wrapped.
class TransparentLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TransparentLabel(QWidget* parent = nullptr);

  std::string caption() const;
  void set_caption(const std::string& caption);
};

}  // namespace ringlark
