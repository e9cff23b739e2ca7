#pragma once

#include <filesystem>
#include <string_view>

// The few file-system steps that differ between systems, behind one portable face.
namespace quendal::filesystem {

// A file the desktop hides from its user: a dot file on POSIX, a hidden or system file on
// Windows. A file whose attributes cannot be read counts as hidden.
bool IsHidden(const std::filesystem::path& path);

// Writes `bytes` to a new or truncated file and flushes them to stable storage, so a rename
// afterwards never exposes a file whose blocks are still missing after a power cut.
bool WriteDurably(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quendal::filesystem
