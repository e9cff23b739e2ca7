#include "core/platform/LocalFiles.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quendal {
namespace fs = std::filesystem;
namespace {

bool IsHidden(const fs::path& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ||
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
  const std::string name = path.filename().string();
  return !name.empty() && name.front() == '.';
#endif
}

// Writes and flushes to stable storage, so a rename afterwards never exposes a file
// whose blocks are still missing after a power cut.
bool WriteDurably(const fs::path& path, std::string_view bytes) {
#ifdef _WIN32
  // The wide name: the narrow one is in the ANSI code page, which cannot spell every folder.
  std::FILE* file = ::_wfopen(path.c_str(), L"wb");
#else
  std::FILE* file = std::fopen(path.c_str(), "wb");
#endif
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
#ifdef _WIN32
  ok = ok && ::_commit(::_fileno(file)) == 0;
#else
  ok = ok && ::fsync(::fileno(file)) == 0;
#endif
  return std::fclose(file) == 0 && ok;
}

}  // namespace

LocalFiles::LocalFiles(fs::path currentFolder) : currentFolder_(std::move(currentFolder)) {}

fs::path LocalFiles::Resolve(const std::string& name) const {
  const fs::path path = fs::u8path(name);
  return path.is_absolute() ? path : currentFolder_ / path;
}

bool LocalFiles::ExisteArquivo(const std::string& name) {
  if (name.empty()) return false;
  const fs::path path = Resolve(name);
  std::error_code error;
  return fs::is_regular_file(path, error) && !error && !IsHidden(path);
}

std::optional<std::string> LocalFiles::ReadAll(const std::string& name) {
  const fs::path path = Resolve(name);
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool LocalFiles::ReplaceAll(const std::string& name, std::string_view bytes) {
  const fs::path target = Resolve(name);
  fs::path temporary = target;
  temporary += ".new";
  std::error_code error;
  if (!WriteDurably(temporary, bytes)) {
    fs::remove(temporary, error);
    return false;
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace quendal
