#include "playback/playback_commands.h"

#include "core/clock_text.h"
#include "core/marks.h"
#include "core/truncating_conversion.h"
#include "playback/captions.h"

namespace ringlark {
namespace {

constexpr std::int32_t clock_period_ms = 1000;

}  // namespace

void browse(Controls& controls) {
  FileDialog& dialog = controls.通用对话框1;
  dialog.set_kind(FileDialogKind::open);
  dialog.set_filter("mp3文件|*.mp3");
  if (dialog.show()) controls.编辑框1.set_text(dialog.file_name());
}

void play(Controls& controls, ProgramState& state) {
  MediaPlayer& player = controls.媒体播放1;
  player.open(controls.编辑框1.text());
  player.play(-1);
  controls.按钮3.set_caption(pause_caption);
  controls.滑块条1.set_position(1);
  controls.时钟1.set_period(clock_period_ms);
  const std::int32_t minutes_reading = player.length_ms();
  const std::int32_t seconds_reading = player.length_ms();
  controls.标签2.set_caption(clock_text(minutes_reading, seconds_reading));
  record_source_size(state, controls.编辑框1.text());
  controls.滑块条1.set_maximum(player.length_seconds());
}

void pause_or_resume(Controls& controls) {
  if (controls.按钮3.caption() == pause_caption) {
    controls.媒体播放1.toggle_pause();
    controls.按钮3.set_caption(resume_caption);
  } else {
    controls.媒体播放1.play(-1);
    controls.按钮3.set_caption(pause_caption);
  }
}

void stop(Controls& controls) { controls.媒体播放1.stop_and_rewind(); }

void seek(Controls& controls) {
  const double seconds = static_cast<double>(controls.滑块条1.position());
  controls.媒体播放1.play(truncate_to_int32(seconds * 1000.0));
  controls.按钮3.set_caption(pause_caption);
}

}  // namespace ringlark
