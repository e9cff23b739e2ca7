#include "platform/LocalFiles.h"

#include <cstdint>
#include <random>
#include <system_error>

#include "platform/FileSystem.h"

namespace quendal {
namespace fs = std::filesystem;
namespace {

// Enough for a weather program that rewrites its file now and then; one that never stops
// costs a tick no more than this many reads.
constexpr int kReadTries = 3;

// The file a save must replace: through any links, so that an operator's linked options
// file stays linked. A loop of links ends at the last one looked at.
fs::path LinkTarget(fs::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

// A name beside `target` that no other save, of this process or another, picks as well.
fs::path TemporaryName(const fs::path& target) {
  static std::mt19937_64 random{std::random_device{}()};
  static const char kHex[] = "0123456789abcdef";
  std::string suffix = ".";
  for (std::uint64_t bits = random(); suffix.size() < 17; bits >>= 4) suffix += kHex[bits & 15];
  fs::path name = ".";
  name += target.filename();
  name += suffix + ".new";
  return target.parent_path() / name;
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
  return fs::is_regular_file(path, error) && !error && !filesystem::IsHidden(path);
}

std::optional<std::string> ReadSteadily(
    const std::function<std::optional<filesystem::FilePrefix>()>& read) {
  std::optional<filesystem::FilePrefix> prefix;
  for (int attempt = 0; attempt < kReadTries; ++attempt) {
    prefix = read();
    if (!prefix) return std::nullopt;
    if (prefix->unchanged) break;
  }
  if (prefix->unchanged && prefix->whole) return std::move(prefix->bytes);
  return WholeLines(std::move(prefix->bytes));
}

std::optional<std::string> LocalFiles::ReadText(const std::string& name) {
  const fs::path path = Resolve(name);
  return ReadSteadily([&] { return filesystem::ReadPrefix(path, kTextReadLimit); });
}

bool LocalFiles::ReplaceAll(const std::string& name, std::string_view bytes) {
  const fs::path target = LinkTarget(Resolve(name));
  for (int attempt = 0; attempt < 8; ++attempt) {
    const fs::path temporary = TemporaryName(target);
    switch (filesystem::WriteNewFileDurably(temporary, bytes)) {
      case filesystem::NewFile::kNameTaken:
        continue;
      case filesystem::NewFile::kFailed:
        return false;
      case filesystem::NewFile::kWritten:
        std::error_code error;
        fs::rename(temporary, target, error);
        if (!error) return true;
        fs::remove(temporary, error);
        return false;
    }
  }
  return false;
}

}  // namespace quendal
