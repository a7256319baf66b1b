#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "core/byte_buffer.h"

namespace ringlark::testing_support {

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("ringlark-test-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The full path of `name` inside the directory, as text.
  std::string path(const std::string& name) const {
    const std::u8string text =
        (path_ / std::filesystem::path(std::u8string(name.begin(), name.end()))).u8string();
    return std::string(text.begin(), text.end());
  }

  // Writes `bytes` to `name` inside the directory and returns the file's full path as text.
  std::string write(const std::string& name, std::string_view bytes) const {
    const std::string file = path(name);
    std::ofstream(std::filesystem::path(std::u8string(file.begin(), file.end())), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }
  std::string write(const std::string& name, const ByteBuffer& bytes) const {
    return write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace ringlark::testing_support
