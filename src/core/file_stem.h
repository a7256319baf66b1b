#pragma once

// The name that Save and Preview derive from the source path: the last component without its
// extension. The whole path is first tried as the new current directory; when that succeeds it
// names a folder, stays current, and its last component is kept whole (dots included).
// Otherwise the stem is everything before the component's last "." and empty when it has none
// or starts with it. The empty path gives the empty stem and changes nothing.

#include <functional>
#include <string>
#include <string_view>

#include "core/text.h"

namespace ringlark {

struct PathSyntax {
  char separator;
  TextEncoding encoding;
};

#ifdef _WIN32
inline constexpr PathSyntax native_path_syntax{'\\', native_text_encoding};
#else
inline constexpr PathSyntax native_path_syntax{'/', native_text_encoding};
#endif

using ChangeDirectory = std::function<bool(const std::string& path)>;

// Makes `path` the process's current directory; false when it is no folder that can be entered.
bool change_current_directory(const std::string& path);

std::string file_stem(std::string_view path,
                      const ChangeDirectory& change_directory = change_current_directory,
                      PathSyntax syntax = native_path_syntax);

}  // namespace ringlark
