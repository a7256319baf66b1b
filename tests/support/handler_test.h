#pragma once

#include <gtest/gtest.h>

#include "core/program_state.h"
#include "support/standalone_controls.h"
#include "support/temp_dir.h"

namespace ringlark::testing_support {

// What a handler runs against in a test: real controls, a scripted song player, the program
// state at its start values and a folder of its own.
class HandlerTest : public ::testing::Test {
 protected:
  StandaloneControls ui;
  Controls& controls = ui.controls;
  ScriptedMediaPlayer& player = ui.player;
  ProgramState state;
  TempDir dir;
};

}  // namespace ringlark::testing_support
