#pragma once

#include <string>

namespace ringlark {

// The process's current directory in native form.
std::string current_directory();

}  // namespace ringlark
