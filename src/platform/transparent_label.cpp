#include "platform/transparent_label.h"

#include <QPalette>

namespace ringlark {

TransparentLabel::TransparentLabel(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(false);
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setWordWrap(false);
  // Captions are data, not markup: "<" in a path must show as typed.
  setTextFormat(Qt::PlainText);
  QPalette black_text = palette();
  black_text.setColor(QPalette::WindowText, Qt::black);
  setPalette(black_text);
}

std::string TransparentLabel::caption() const { return text().toUtf8().toStdString(); }

void TransparentLabel::set_caption(const std::string& caption) { setText(QString::fromUtf8(caption)); }

}  // namespace ringlark
