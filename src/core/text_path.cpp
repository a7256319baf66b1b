#include "core/text_path.h"

namespace ringlark {

std::filesystem::path path_from_text(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string text_from_path(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace ringlark
