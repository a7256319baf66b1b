#pragma once

// Reading the source song. Each function gives exactly what reading the whole file would:
// the empty buffer when the path is empty, when the file cannot be opened for reading or when
// it is empty; a read that ends early yields the bytes read. They only avoid reading bytes
// that the caller would throw away. While a file is read, others may not write it (Windows).

#include <cstdint>
#include <string_view>

#include "core/byte_buffer.h"

namespace ringlark {

ByteBuffer read_whole_file(std::string_view path);

// middle(read_whole_file(path), start, count), reading only those bytes.
ByteBuffer read_file_part(std::string_view path, std::int32_t start, std::int32_t count);

// read_whole_file(path).size(), without reading the bytes of a regular file.
std::uint64_t readable_byte_count(std::string_view path);

}  // namespace ringlark
