#include "platform/LocalFiles.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/FileSystem.h"

namespace quendal {
namespace fs = std::filesystem;

LocalFiles::LocalFiles(fs::path currentFolder) : currentFolder_(std::move(currentFolder)) {}

fs::path LocalFiles::Resolve(const std::string& name) const {
  const fs::path path = fs::u8path(name);
  return path.is_absolute() ? path : currentFolder_ / path;
}

bool LocalFiles::ExisteArquivo(const std::string& name) {
  if (name.empty()) return false;
  const fs::path path = Resolve(name);
  std::error_code error;
  return fs::is_regular_file(path, error) && !error && !filesystem::IsHidden(path);
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
  if (!filesystem::WriteDurably(temporary, bytes)) {
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
