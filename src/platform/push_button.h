#pragma once

#include <functional>
#include <string>

#include <QPushButton>

namespace ringlark {

// An ordinary push button (never a default button): a caption and a clicked event.
class PushButton : public QPushButton {
  Q_OBJECT

 public:
  explicit PushButton(QWidget* parent = nullptr);

  std::string caption() const;
  void set_caption(const std::string& caption);
  // The one handler of the clicked event; a later call replaces it.
  void on_clicked(std::function<void()> handler);

 private:
  std::function<void()> clicked_;
};

}  // namespace ringlark
