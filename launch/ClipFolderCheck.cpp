#include "launch/ClipFolderCheck.h"

#include <filesystem>

#include "platform/FileSystem.h"

namespace quendal {
namespace {

ClipFile ReadClip(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return {ClipFile::State::kMissing, {}};
  // One byte over the limit tells a file that is too big from one that just fits.
  std::optional<filesystem::FilePrefix> read = filesystem::ReadPrefix(path, kLargestClip + 1);
  if (!read) return {ClipFile::State::kUnreadable, {}};
  if (read->bytes.size() > kLargestClip) return {ClipFile::State::kTooBig, {}};
  return {ClipFile::State::kRead, std::move(read->bytes)};
}

}  // namespace

ClipCheckReport CheckClipFolder(const std::string& folder) {
  const std::filesystem::path root(std::u8string(folder.begin(), folder.end()));
  return CheckClipLibrary([&](const std::string& name) {
    return ReadClip(root / std::u8string(name.begin(), name.end()));
  });
}

}  // namespace quendal
