#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QMargins>
#include <QWidget>

#include "app/window_description.h"
#include "platform/controls.h"
#include "platform/media_player.h"

namespace ringlark {

// The one window. Its outer size (frame and title bar included) is fixed and it is centred on
// the screen. Where the window system reports its frame, the client area is sized so that the
// outer size comes out right; the frame may only become known once the window is mapped, so the
// fit is redone whenever the reported frame changes.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(const WindowDescription& description);

  // The created event: raised once by start-up after the controls exist, before the window is
  // shown. A later call replaces the handler.
  void on_created(std::function<void()> handler);
  void raise_created();

  // Where centring puts the outer frame: half the screen's spare room, truncated toward zero
  // (negative on a screen smaller than the window).
  static QPoint centred(const QRect& screen, QSize outer);

 signals:
  void closed();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void fit_outer_frame();

  QSize outer_;
  std::optional<QMargins> fitted_frame_;
  std::function<void()> created_;
};

// Builds the window hidden from its description: the controls from the last row up, all hidden,
// then the shown ones shown. Each control's object name is its name in the description.
std::unique_ptr<MainWindow> create_main_window(const WindowDescription& description);

// The live controls, looked up by name; nothing when one is missing or of another kind.
std::optional<Controls> find_controls(MainWindow& window, MediaPlayer& media_player);

}  // namespace ringlark
