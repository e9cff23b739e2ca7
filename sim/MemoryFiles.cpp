#include "sim/MemoryFiles.h"

#include <fstream>
#include <system_error>

namespace quendal::sim {
namespace fs = std::filesystem;
namespace {

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

// A dot file, which the desktop hides from its user.
bool IsHidden(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return path[slash == std::string::npos ? 0 : slash + 1] == '.';
}

}  // namespace

MemoryFiles::MemoryFiles(fs::path folder) : folder_(std::move(folder).lexically_normal()) {}

const std::optional<std::string>& MemoryFiles::Inside(const std::string& name) {
  const auto known = resolved_.find(name);
  if (known != resolved_.end()) return known->second;
  const fs::path path = fs::u8path(name);
  const fs::path relative =
      (path.is_absolute() ? path : folder_ / path).lexically_normal().lexically_relative(folder_);
  std::optional<std::string> inside;
  const std::u8string utf8 = relative.generic_u8string();
  const std::string text(utf8.begin(), utf8.end());
  if (text == ".") {
    inside = "";
  } else if (!text.empty() && *relative.begin() != ".." && text.back() != '/') {
    inside = text;
  }
  return resolved_.emplace(name, std::move(inside)).first->second;
}

bool MemoryFiles::IsFolder(const std::string& path) const { return folders_.count(path) != 0; }

bool MemoryFiles::ExisteArquivo(const std::string& name) {
  if (name.empty()) return false;
  const std::optional<std::string>& path = Inside(name);
  return path && files_.count(*path) != 0 && !IsHidden(*path);
}

std::optional<std::string> MemoryFiles::ReadText(const std::string& name) {
  const std::string* bytes = Find(name);
  if (bytes == nullptr) return std::nullopt;
  // Nobody rewrites these files during a read; only the limit can cut one.
  if (bytes->size() <= kTextReadLimit) return *bytes;
  return WholeLines(bytes->substr(0, kTextReadLimit));
}

const std::string* MemoryFiles::Find(const std::string& name) {
  const std::optional<std::string>& path = Inside(name);
  if (!path) return nullptr;
  const auto file = files_.find(*path);
  return file == files_.end() ? nullptr : &file->second;
}

bool MemoryFiles::ReplaceAll(const std::string& name, std::string_view bytes) {
  const std::optional<std::string>& path = Inside(name);
  // The real save's temporary file has a fresh name of its own: nothing else in the
  // folder is touched, and only the folder's absence or a folder in the way stops it.
  if (!path || !IsFolder(ParentOf(*path)) || IsFolder(*path)) return false;
  files_[*path] = std::string(bytes);
  return true;
}

bool MemoryFiles::MakeFoldersFor(const std::string& path) {
  const std::string parent = ParentOf(path);
  if (IsFolder(parent)) return true;
  if (files_.count(parent) != 0 || !MakeFoldersFor(parent)) return false;
  folders_.insert(parent);
  return true;
}

bool MemoryFiles::Write(const std::string& name, std::string bytes) {
  const std::optional<std::string>& path = Inside(name);
  if (!path || IsFolder(*path) || !MakeFoldersFor(*path)) return false;
  files_[*path] = std::move(bytes);
  return true;
}

void MemoryFiles::Remove(const std::string& name) {
  const std::optional<std::string>& path = Inside(name);
  if (!path || files_.erase(*path) != 0 || path->empty() || !IsFolder(*path)) return;
  // Only an empty folder goes, as on disk.
  const std::string prefix = *path + "/";
  const auto file = files_.lower_bound(prefix);
  const auto folder = folders_.lower_bound(prefix);
  if (file != files_.end() && file->first.rfind(prefix, 0) == 0) return;
  if (folder != folders_.end() && folder->rfind(prefix, 0) == 0) return;
  folders_.erase(*path);
}

bool MemoryFiles::WriteOut(std::ostream& errors) const {
  std::error_code error;
  for (const std::string& folder : folders_)
    fs::create_directories(folder_ / fs::u8path(folder), error);
  for (const auto& [path, bytes] : files_) {
    const fs::path target = folder_ / fs::u8path(path);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
      errors << "quendal-sim: cannot write " << target << '\n';
      return false;
    }
  }
  return true;
}

}  // namespace quendal::sim
