#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quendal::filesystem {
namespace {

bool SameSizeAndTime(const struct stat& before, const struct stat& after) {
  return before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
         before.st_mtim.tv_nsec == after.st_mtim.tv_nsec;
}

// Reads until the end of the file or `limit` bytes; false on a read error.
bool ReadUpTo(int fd, std::size_t limit, std::string& bytes) {
  char buffer[65536];
  while (bytes.size() < limit) {
    const ssize_t count = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
    if (count == 0) return true;
    if (count < 0 && errno != EINTR) return false;
    if (count > 0) bytes.append(buffer, static_cast<std::size_t>(count));
  }
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno != EINTR) return false;
    if (count > 0) bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

}  // namespace

bool IsHidden(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return !name.empty() && name.front() == '.';
}

std::optional<FilePrefix> ReadPrefix(const std::filesystem::path& path, std::size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat before {};
  struct stat after {};
  FilePrefix prefix;
  const bool read = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode) &&
                    ReadUpTo(fd, limit, prefix.bytes) && ::fstat(fd, &after) == 0;
  ::close(fd);
  if (!read) return std::nullopt;
  prefix.unchanged = SameSizeAndTime(before, after);
  prefix.whole = static_cast<std::size_t>(after.st_size) == prefix.bytes.size();
  return prefix;
}

NewFile WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes) {
  // O_EXCL refuses whatever is there, a dangling link included; the mode is cut by umask
  // as any file the operator's programs make.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EEXIST ? NewFile::kNameTaken : NewFile::kFailed;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) return NewFile::kWritten;
  ::unlink(path.c_str());
  return NewFile::kFailed;
}

}  // namespace quendal::filesystem
