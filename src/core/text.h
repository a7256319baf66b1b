#pragma once

// Text is bytes in the platform's narrow encoding. Positions are 1-based, -1 means
// "nothing found", and a count of 0 or less asks for nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_buffer.h"

namespace ringlark {

enum class TextEncoding {
  utf8,              // Linux, and Windows builds with the UTF-8 code page
  ansi_double_byte,  // legacy code pages such as GBK: a byte >= 0x80 starts a two-byte character
};

inline constexpr TextEncoding native_text_encoding = TextEncoding::utf8;

// Index of the character start that follows the character starting at `at`, never past the end.
// UTF-8 steps over a lead byte's continuation bytes only, so a malformed sequence can never
// swallow a following "." or separator.
std::size_t next_character(std::string_view text, std::size_t at, TextEncoding encoding);

// The middle part of a byte buffer: `count` bytes from the 1-based `start`, both clamped to
// the buffer. A start below 1 begins at the first byte; a count below 0 gives nothing.
ByteBuffer middle(const ByteBuffer& bytes, std::int32_t start, std::int32_t count);

// The first `count` bytes of `text`: empty for a count of 0 or less, the whole text for a
// count at or above its length.
std::string left(std::string_view text, std::int32_t count);

// The 1-based position of the last occurrence of `needle` that begins at a character start,
// or -1.
std::int32_t reverse_find(std::string_view text, std::string_view needle, TextEncoding encoding);

// The components between `separator` bytes that stand at character starts. Every separator
// closes a component, empty ones included; the bytes after the last separator form a final
// component only when there are some. The empty text has no components.
std::vector<std::string> split(std::string_view text, char separator, TextEncoding encoding);

}  // namespace ringlark
