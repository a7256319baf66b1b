#include "platform/slider.h"

#include <gtest/gtest.h>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <cstdint>
#include <optional>
#include <vector>

namespace ringlark {
namespace {

// Records each position-changed event with what the handler saw then.
class SliderEvents : public ::testing::Test {
 protected:
  SliderEvents() {
    slider.setGeometry(0, 0, 472, 32);
    slider.show();
    slider.on_position_changed([this] {
      seen.push_back(slider.position());
      EXPECT_EQ(slider.position(), slider.sliderPosition()) << "the stored position is the thumb's";
    });
  }

  // Where the thumb's centre stands at `value` (by default, at its current position).
  QPoint handle_centre(std::optional<std::int32_t> value = std::nullopt) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Horizontal;
    option.minimum = slider.QAbstractSlider::minimum();
    option.maximum = slider.QAbstractSlider::maximum();
    option.sliderPosition = value.value_or(slider.sliderPosition());
    option.sliderValue = option.sliderPosition;
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.pageStep = slider.pageStep();
    option.singleStep = slider.singleStep();
    return slider.style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
        .center();
  }

  Slider slider;
  std::vector<std::int32_t> seen;
};

TEST(Slider, StartsAsATrackBarInWholeSeconds) {
  Slider slider;
  EXPECT_EQ(slider.orientation(), Qt::Horizontal);
  EXPECT_EQ(slider.minimum(), 1);
  EXPECT_EQ(slider.maximum(), 10);
  EXPECT_EQ(slider.position(), 1);
  EXPECT_EQ(slider.value(), 1);
  EXPECT_EQ(slider.pageStep(), 5);
  EXPECT_EQ(slider.singleStep(), 1);
  EXPECT_EQ(slider.tickPosition(), QSlider::TicksBelow);
  EXPECT_EQ(slider.tickInterval(), 1);
}

TEST(Slider, StoresWhatTheProgramWritesAndKeepsTheThumbInRange) {
  struct Case {
    std::int32_t maximum;  // written first
    std::int32_t position;
    std::int32_t stored;
    std::int32_t thumb;
    std::int32_t range_low;
    std::int32_t range_high;
    std::int32_t maximum_read;
  };
  const Case cases[] = {
      {10, 5, 5, 5, 1, 10, 10},
      {10, 0, 0, 1, 1, 10, 10},  // reads 0 while the thumb stands at the minimum
      {10, -7, 0, 1, 1, 10, 10},
      {10, 40, 40, 10, 1, 10, 10},
      {10, 99'999, 32767, 10, 1, 10, 10},
      {207, 150, 150, 150, 1, 207, 207},
      {0, 0, 0, 0, 0, 1, 0},  // a maximum below the minimum turns the range round
      {-3, 1, 1, 1, 0, 1, 0},
      {50'000, 32767, 32767, 32767, 1, 32767, 32767},
  };
  for (const Case& c : cases) {
    Slider slider;
    int events = 0;
    slider.on_position_changed([&events] { ++events; });
    slider.set_maximum(c.maximum);
    slider.set_position(c.position);
    EXPECT_EQ(slider.position(), c.stored) << c.maximum << " " << c.position;
    EXPECT_EQ(slider.value(), c.thumb) << c.maximum << " " << c.position;
    EXPECT_EQ(slider.QAbstractSlider::minimum(), c.range_low);
    EXPECT_EQ(slider.QAbstractSlider::maximum(), c.range_high);
    EXPECT_EQ(slider.maximum(), c.maximum_read);
    EXPECT_EQ(slider.minimum(), 1);
    EXPECT_EQ(events, 0) << "the program's writes raise nothing";
  }
}

TEST(Slider, ARangeChangeLeavesTheStoredPositionAlone) {
  Slider slider;
  slider.set_position(8);
  slider.set_maximum(3);
  EXPECT_EQ(slider.value(), 3);
  EXPECT_EQ(slider.position(), 8);
}

TEST_F(SliderEvents, ProgramWritesStaySilentWhileShown) {
  slider.set_maximum(30);
  for (std::int32_t second = 1; second <= 30; ++second) slider.set_position(second);
  slider.set_maximum(5);
  EXPECT_TRUE(seen.empty());
}

TEST_F(SliderEvents, ADragRaisesOnEveryMoveAndOnceMoreAtTheRelease) {
  QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, handle_centre());
  EXPECT_TRUE(seen.empty()) << "pressing the thumb moves nothing";
  for (std::int32_t value : {3, 5, 8}) QTest::mouseMove(&slider, handle_centre(value));
  QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, handle_centre(8));

  EXPECT_EQ(seen, (std::vector<std::int32_t>{3, 5, 8, 8}))
      << "three moves, then the release; no end of tracking";
  EXPECT_EQ(slider.position(), 8);
  EXPECT_EQ(slider.value(), 8);
}

TEST_F(SliderEvents, AClickInTheChannelMakesOnePageStep) {
  const QPoint right_of_thumb = handle_centre(10);
  QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, right_of_thumb);
  QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, right_of_thumb);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{6}));

  const QPoint left_of_thumb = handle_centre(1);
  QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, left_of_thumb);
  QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, left_of_thumb);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{6, 1}));
}

TEST_F(SliderEvents, EachKeyStepRaisesOnce) {
  struct Case {
    Qt::Key key;
    std::int32_t after;  // from 5 of 1 to 10
  };
  const Case cases[] = {
      {Qt::Key_Right, 6},   {Qt::Key_Left, 4},     {Qt::Key_Up, 6},   {Qt::Key_Down, 4},
      {Qt::Key_PageUp, 10}, {Qt::Key_PageDown, 1}, {Qt::Key_Home, 1}, {Qt::Key_End, 10},
  };
  for (const Case& c : cases) {
    slider.set_position(5);
    seen.clear();
    QTest::keyClick(&slider, c.key);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{c.after})) << "key " << static_cast<int>(c.key);
    EXPECT_EQ(slider.value(), c.after);
  }
}

TEST_F(SliderEvents, AKeyAfterAWriteOfZeroStartsFromTheThumb) {
  slider.set_position(0);
  QTest::keyClick(&slider, Qt::Key_Right);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{2}));
}

}  // namespace
}  // namespace ringlark
