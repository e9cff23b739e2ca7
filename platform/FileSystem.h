#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The few file-system steps that differ between systems, behind one portable face.
namespace quendal::filesystem {

// A file the desktop hides from its user: a dot file on POSIX, a hidden or system file on
// Windows. A file whose attributes cannot be read counts as hidden.
bool IsHidden(const std::filesystem::path& path);

struct FilePrefix {
  std::string bytes;
  bool whole = false;      // `bytes` are all of the file
  bool unchanged = false;  // its size and modification time were the same after the read
};

// Up to `limit` bytes from the start of a plain file. Opening never waits: anything but a
// plain file (a FIFO or a device planted under the name) is refused. nullopt on failure.
std::optional<FilePrefix> ReadPrefix(const std::filesystem::path& path, std::size_t limit);

enum class NewFile { kWritten, kNameTaken, kFailed };

// Creates `path` as a new plain file, never opening anything already there (a file, a link
// or a FIFO make it kNameTaken), writes `bytes` and flushes them to stable storage, so a
// rename afterwards never exposes a file whose blocks are still missing after a power cut.
// A file that could not be written whole is removed again.
NewFile WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quendal::filesystem
