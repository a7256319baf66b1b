#include "core/file_read.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/text.h"
#include "core/text_path.h"

namespace ringlark {
namespace {

std::ifstream open_for_reading(const std::filesystem::path& path) {
#ifdef _MSC_VER
  return std::ifstream(path, std::ios::binary, _SH_DENYWR);
#else
  return std::ifstream(path, std::ios::binary);
#endif
}

// Folders, pipes and devices have no size to ask for: they are read to learn it.
std::optional<std::uint64_t> regular_file_size(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  return size;
}

ByteBuffer read_to_end(std::ifstream& in) {
  ByteBuffer bytes;
  std::array<char, 64 * 1024> chunk{};
  while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + in.gcount());
  }
  return bytes;
}

}  // namespace

ByteBuffer read_whole_file(std::string_view path) {
  if (path.empty()) return {};
  std::ifstream in = open_for_reading(path_from_text(path));
  if (!in.is_open()) return {};
  return read_to_end(in);
}

ByteBuffer read_file_part(std::string_view path, std::int32_t start, std::int32_t count) {
  if (path.empty()) return {};
  const std::filesystem::path file = path_from_text(path);
  std::ifstream in = open_for_reading(file);
  if (!in.is_open()) return {};
  const std::optional<std::uint64_t> size = regular_file_size(file);
  if (!size) return middle(read_to_end(in), start, count);

  // The same clamping as middle(), against the size instead of the bytes.
  const auto n = static_cast<std::int64_t>(*size);
  const std::int64_t begin = std::clamp<std::int64_t>(std::int64_t{start} - 1, 0, n);
  const std::int64_t taken = std::clamp<std::int64_t>(count, 0, n - begin);
  if (taken == 0) return {};
  ByteBuffer bytes(static_cast<std::size_t>(taken));
  in.seekg(begin);
  in.read(reinterpret_cast<char*>(bytes.data()), taken);
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::uint64_t readable_byte_count(std::string_view path) {
  if (path.empty()) return 0;
  const std::filesystem::path file = path_from_text(path);
  std::ifstream in = open_for_reading(file);
  if (!in.is_open()) return 0;
  if (const std::optional<std::uint64_t> size = regular_file_size(file)) return *size;
  return read_to_end(in).size();
}

}  // namespace ringlark
