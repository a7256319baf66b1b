#include "core/text.h"

#include <algorithm>

namespace ringlark {
namespace {

std::size_t utf8_sequence_length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

bool is_utf8_continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::size_t next_character(std::string_view text, std::size_t at, TextEncoding encoding) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (encoding == TextEncoding::ansi_double_byte) {
    return std::min(text.size(), at + (lead >= 0x80 ? 2 : 1));
  }
  const std::size_t end = std::min(text.size(), at + utf8_sequence_length(lead));
  std::size_t next = at + 1;
  while (next < end && is_utf8_continuation(text[next])) ++next;
  return next;
}

ByteBuffer middle(const ByteBuffer& bytes, std::int32_t start, std::int32_t count) {
  const auto n = static_cast<std::int64_t>(bytes.size());
  const std::int64_t begin = std::clamp<std::int64_t>(std::int64_t{start} - 1, 0, n);
  const std::int64_t taken = std::clamp<std::int64_t>(count, 0, n - begin);
  const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(begin);
  return ByteBuffer(first, first + static_cast<std::ptrdiff_t>(taken));
}

std::string left(std::string_view text, std::int32_t count) {
  if (count <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::int32_t reverse_find(std::string_view text, std::string_view needle, TextEncoding encoding) {
  if (needle.empty()) return -1;
  std::int32_t found = -1;
  for (std::size_t at = 0; at < text.size(); at = next_character(text, at, encoding)) {
    if (text.substr(at, needle.size()) == needle) found = static_cast<std::int32_t>(at + 1);
  }
  return found;
}

std::vector<std::string> split(std::string_view text, char separator, TextEncoding encoding) {
  std::vector<std::string> components;
  std::size_t component_start = 0;
  for (std::size_t at = 0; at < text.size(); at = next_character(text, at, encoding)) {
    if (text[at] == separator) {
      components.emplace_back(text.substr(component_start, at - component_start));
      component_start = at + 1;
    }
  }
  if (component_start < text.size()) components.emplace_back(text.substr(component_start));
  return components;
}

}  // namespace ringlark
