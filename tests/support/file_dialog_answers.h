#pragma once

// Answers to the modal dialogs that a handler opens and waits in. Call one of these just before
// the code that shows the dialog: the answer runs from the dialog's own event loop.

#include <functional>
#include <string>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace ringlark::testing_support {

// Runs `answer` on the next modal widget of type Dialog, once it is up. Gives up after about
// five seconds, so a dialog that never comes fails the test's own checks instead of hanging.
template <class Dialog>
void when_next_modal(std::function<void(Dialog&)> answer, int tries_left = 500) {
  QTimer::singleShot(10, [answer = std::move(answer), tries_left]() mutable {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      answer(*dialog);
    } else if (tries_left > 0) {
      when_next_modal<Dialog>(std::move(answer), tries_left - 1);
    }
  });
}

// Types `path` (a full path or a bare name) into the next file dialog and confirms it.
inline void answer_next_file_dialog(const std::string& path) {
  when_next_modal<QFileDialog>([path](QFileDialog& dialog) {
    // Typed into the name field, as a person would: selecting through the dialog's model would
    // depend on how far its background listing of the folder has got.
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromUtf8(path));
    static_cast<QDialog&>(dialog).accept();
  });
}

inline void cancel_next_file_dialog() {
  when_next_modal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
}

// What the next message box said; it is closed with its default button.
struct MessageSeen {
  std::string title;
  std::string text;
  bool shown = false;
};

inline void close_next_message_box(MessageSeen& seen) {
  when_next_modal<QMessageBox>([&seen](QMessageBox& box) {
    seen = {box.windowTitle().toStdString(), box.text().toStdString(), true};
    box.done(QMessageBox::Ok);
  });
}

}  // namespace ringlark::testing_support
