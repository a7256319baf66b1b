#pragma once

#include <string>

namespace ringlark {

// A modal error message with an OK button, over the active window; returns when it is closed.
void show_error_message(const std::string& title, const std::string& text);

}  // namespace ringlark
