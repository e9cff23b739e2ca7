#include "platform/FileSystem.h"

#include <unistd.h>

#include <cstdio>

namespace quendal::filesystem {

bool IsHidden(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return !name.empty() && name.front() == '.';
}

bool WriteDurably(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ok && ::fsync(::fileno(file)) == 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace quendal::filesystem
