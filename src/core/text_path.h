#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ringlark {

// Texts hold UTF-8 bytes; these convert them to and from the file system's own paths.
std::filesystem::path path_from_text(std::string_view text);
std::string text_from_path(const std::filesystem::path& path);

}  // namespace ringlark
