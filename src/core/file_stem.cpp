#include "core/file_stem.h"

#include <system_error>

#include "core/text_path.h"

namespace ringlark {

bool change_current_directory(const std::string& path) {
  std::error_code error;
  std::filesystem::current_path(path_from_text(path), error);
  return !error;
}

std::string file_stem(std::string_view path, const ChangeDirectory& change_directory, PathSyntax syntax) {
  // An empty path has no last component: nothing to name, and no folder to enter.
  if (path.empty()) return {};
  const std::string last = split(path, syntax.separator, syntax.encoding).back();
  if (change_directory(std::string(path))) return last;
  const std::int32_t dot = reverse_find(last, ".", syntax.encoding);
  return left(last, dot - 1);
}

}  // namespace ringlark
