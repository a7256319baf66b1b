#include "platform/push_button.h"

#include <utility>

namespace ringlark {

PushButton::PushButton(QWidget* parent) : QPushButton(parent) {
  // Enter on a focused button clicks nothing: the window does not use Enter.
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (clicked_) clicked_();
  });
}

std::string PushButton::caption() const { return text().toUtf8().toStdString(); }

void PushButton::set_caption(const std::string& caption) { setText(QString::fromUtf8(caption)); }

void PushButton::on_clicked(std::function<void()> handler) { clicked_ = std::move(handler); }

}  // namespace ringlark
