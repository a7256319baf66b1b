#include "app/main_window.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCloseEvent>
#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

// The icons are compiled into this static library; naming their initialiser keeps the linker
// from dropping them. It must be called outside any namespace.
static void load_icon_resources() { Q_INIT_RESOURCE(ringlark); }

namespace ringlark {
namespace {

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::WindowFlags window_flags(const WindowDescription& description) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (description.minimize_box) flags |= Qt::WindowMinimizeButtonHint;
  if (description.maximize_box) flags |= Qt::WindowMaximizeButtonHint;
  // Windows only: a thin frame that offers no sizing cursor; other systems ignore the hint.
  if (description.fixed_frame) flags |= Qt::MSWindowsFixedSizeDialogHint;
  return flags;
}

QIcon icon_from(std::string_view folder) {
  load_icon_resources();
  QIcon icon;
  QDirIterator images(qt_text(folder), {QStringLiteral("*.png")});
  while (images.hasNext()) icon.addFile(images.next());
  return icon;
}

void apply(const FileDialogSettings& settings, FileDialog& dialog) {
  dialog.set_kind(settings.kind);
  dialog.set_title(std::string(settings.title));
  dialog.set_file_name(std::string(settings.file_name));
  dialog.set_filter(std::string(settings.filter));
  dialog.set_initial_directory(std::string(settings.initial_directory));
  dialog.set_default_extension(std::string(settings.default_extension));
  dialog.set_ask_before_overwriting(settings.ask_before_overwriting);
  dialog.set_folder_must_exist(settings.folder_must_exist);
  dialog.set_file_must_exist(settings.file_must_exist);
}

// The media player is no Qt object: start-up makes it and hands it to find_controls.
QObject* create_control(const ControlDescription& row, QWidget& parent, MainWindow& window) {
  const std::string text(row.text);
  switch (row.kind) {
    case ControlKind::push_button: {
      auto* button = new PushButton(&parent);
      button->set_caption(text);
      return button;
    }
    case ControlKind::transparent_label: {
      auto* label = new TransparentLabel(&parent);
      label->set_caption(text);
      return label;
    }
    case ControlKind::edit_box: {
      auto* edit = new EditBox(&parent);
      edit->set_text(text);
      return edit;
    }
    case ControlKind::group_box: {
      auto* group = new GroupBox(&parent);
      group->setTitle(qt_text(row.text));
      return group;
    }
    case ControlKind::slider:
      return new Slider(&parent);
    case ControlKind::timer: {
      auto* timer = new Timer(&parent);
      if (const auto* settings = std::get_if<TimerSettings>(&row.settings))
        timer->set_period(settings->period_ms);
      return timer;
    }
    case ControlKind::file_dialog: {
      // Lives under its parent like every control, but shows over the window.
      auto* dialog = new FileDialog(&window);
      dialog->setParent(&parent);
      if (const auto* settings = std::get_if<FileDialogSettings>(&row.settings)) apply(*settings, *dialog);
      return dialog;
    }
    case ControlKind::media_player:
      return nullptr;
  }
  return nullptr;
}

Qt::FocusPolicy focus_policy(ControlKind kind, bool tab_stop) {
  if (tab_stop) return Qt::StrongFocus;
  const bool takes_clicks =
      kind == ControlKind::push_button || kind == ControlKind::edit_box || kind == ControlKind::slider;
  return takes_clicks ? Qt::ClickFocus : Qt::NoFocus;
}

// Tab visits the tab stops in reading order, line by line, left to right.
void set_reading_tab_order(std::vector<std::pair<QPoint, QWidget*>> stops) {
  std::sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) {
    return a.first.y() != b.first.y() ? a.first.y() < b.first.y() : a.first.x() < b.first.x();
  });
  for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
}

class MissingControl : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

template <class Control>
Control& need(MainWindow& window, const char* name) {
  auto* control = window.findChild<Control*>(QString::fromUtf8(name));
  if (control == nullptr) throw MissingControl(name);
  return *control;
}

}  // namespace

MainWindow::MainWindow(const WindowDescription& description)
    : QWidget(nullptr, window_flags(description)), outer_(description.outer_width, description.outer_height) {
  setWindowTitle(qt_text(description.caption));
  setWindowIcon(icon_from(description.icon));
  // The description's own left and top are overridden: the window starts centred.
  move(description.left, description.top);
  // Esc closes from whichever control has the focus: a window shortcut goes before the keys
  // that the focused control handles.
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close, Qt::WindowShortcut);
  // Creating the native window now lets systems that know their frame before mapping
  // (Windows) report it, so the first fit is already the right one.
  winId();
  fit_outer_frame();
  if (const QScreen* screen = this->screen()) move(centred(screen->geometry(), outer_));
}

void MainWindow::on_created(std::function<void()> handler) { created_ = std::move(handler); }

void MainWindow::raise_created() {
  if (created_) created_();
}

QPoint MainWindow::centred(const QRect& screen, QSize outer) {
  return {screen.x() + (screen.width() - outer.width()) / 2,
          screen.y() + (screen.height() - outer.height()) / 2};
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
      fit_outer_frame();
      break;
    default:
      break;
  }
  return handled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

void MainWindow::fit_outer_frame() {
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  if (fitted_frame_ == frame) return;
  fitted_frame_ = frame;
  // The frame's top-left stays where centring put it; only the client area changes.
  setFixedSize(outer_.width() - frame.left() - frame.right(), outer_.height() - frame.top() - frame.bottom());
}

std::unique_ptr<MainWindow> create_main_window(const WindowDescription& description) {
  auto window = std::make_unique<MainWindow>(description);
  std::vector<QWidget*> shown;
  std::vector<std::pair<QPoint, QWidget*>> tab_stops;
  for (auto row = description.controls.rbegin(); row != description.controls.rend(); ++row) {
    QWidget* parent = row->parent.empty() ? window.get() : window->findChild<QWidget*>(qt_text(row->parent));
    if (parent == nullptr) return nullptr;
    QObject* control = create_control(*row, *parent, *window);
    if (control == nullptr) continue;
    control->setObjectName(qt_text(row->name));
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget == nullptr) continue;
    widget->setGeometry(row->x, row->y, row->width, row->height);
    widget->setFocusPolicy(focus_policy(row->kind, row->tab_stop));
    widget->hide();
    if (row->shown) shown.push_back(widget);
    if (row->tab_stop) tab_stops.emplace_back(widget->mapTo(window.get(), QPoint(0, 0)), widget);
  }
  for (QWidget* widget : shown) widget->show();
  set_reading_tab_order(std::move(tab_stops));
  return window;
}

std::optional<Controls> find_controls(MainWindow& window, MediaPlayer& media_player) {
  try {
    return Controls{
        need<Slider>(window, "滑块条1"),
        need<FileDialog>(window, "通用对话框2"),
        need<Timer>(window, "时钟3"),
        need<PushButton>(window, "按钮3"),
        need<Timer>(window, "时钟1"),
        media_player,
        need<Timer>(window, "时钟2"),
        need<FileDialog>(window, "通用对话框1"),
        need<TransparentLabel>(window, "标签10"),
        need<TransparentLabel>(window, "透明标签8"),
        need<TransparentLabel>(window, "标签7"),
        need<TransparentLabel>(window, "透明标签6"),
        need<PushButton>(window, "按钮9"),
        need<PushButton>(window, "按钮10"),
        need<PushButton>(window, "按钮8"),
        need<PushButton>(window, "按钮7"),
        need<TransparentLabel>(window, "标签4"),
        need<TransparentLabel>(window, "透明标签4"),
        need<TransparentLabel>(window, "标签2"),
        need<TransparentLabel>(window, "透明标签2"),
        need<PushButton>(window, "按钮4"),
        need<PushButton>(window, "按钮2"),
        need<PushButton>(window, "按钮1"),
        need<EditBox>(window, "编辑框1"),
        need<TransparentLabel>(window, "透明标签1"),
        need<GroupBox>(window, "分组框1"),
    };
  } catch (const MissingControl&) {
    return std::nullopt;
  }
}

}  // namespace ringlark
