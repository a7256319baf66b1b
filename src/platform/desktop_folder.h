#pragma once

#include <string>

namespace ringlark {

// The current user's desktop folder ending in the native separator, or the empty text when the
// system names none. The folder is never created.
std::string desktop_folder();

}  // namespace ringlark
