#include "platform/FileSystem.h"

#include <io.h>
#include <windows.h>

#include <cstdio>

namespace quendal::filesystem {

bool IsHidden(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ||
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

bool WriteDurably(const std::filesystem::path& path, std::string_view bytes) {
  // The wide name: the narrow one is in the ANSI code page, which cannot spell every folder.
  std::FILE* file = ::_wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ok && ::_commit(::_fileno(file)) == 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace quendal::filesystem
