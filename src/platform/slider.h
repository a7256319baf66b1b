#pragma once

#include <cstdint>
#include <functional>

#include <QSlider>

namespace ringlark {

// A horizontal track bar in whole seconds (minimum 1, maximum 10, position 1, page 5, line 1,
// a tick below at every value). Besides the thumb it keeps a stored position: the last value the
// program wrote, or the thumb's value at the user's last scroll. The stored position is not
// limited to the range: after set_position(0) it reads 0 while the thumb stands at 1.
class Slider : public QSlider {
  Q_OBJECT

 public:
  static constexpr std::int32_t limit = 32767;

  explicit Slider(QWidget* parent = nullptr);

  std::int32_t position() const;
  // Limits to 0..limit and stores; the thumb moves within the range. Raises no event.
  void set_position(std::int32_t position);
  std::int32_t minimum() const;
  std::int32_t maximum() const;
  // Limits to 0..limit; the range becomes the smaller to the larger of minimum and maximum.
  // Raises no event.
  void set_maximum(std::int32_t maximum);

  // The one handler of the position-changed event: raised for every scroll step of the user's
  // mouse or keyboard (each move of a drag, its release, each page step of a click in the
  // channel, arrows, Home, End, Page Up/Down) once the stored position holds the thumb's value;
  // never for the end of tracking, never for the program's writes.
  void on_position_changed(std::function<void()> handler);

 private:
  void user_scrolled(std::int32_t thumb);

  std::int32_t minimum_ = 1;
  std::int32_t maximum_ = 10;
  std::int32_t stored_ = 1;
  std::function<void()> position_changed_;
};

}  // namespace ringlark
