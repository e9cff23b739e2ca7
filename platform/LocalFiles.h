#pragma once

#include <filesystem>
#include <functional>

#include "core/platform/FileAccess.h"
#include "platform/FileSystem.h"

namespace quendal {

// ReadText's way with a file that may be rewritten while it is read: `read` is tried again
// while it reports a change, a few times at most; a text not read whole and unchanged
// ends at its last line end.
std::optional<std::string> ReadSteadily(
    const std::function<std::optional<filesystem::FilePrefix>()>& read);

// FileAccess on the real file system. Relative names resolve against `currentFolder`,
// which the program takes from the process at start; tests give each case its own.
class LocalFiles final : public FileAccess {
 public:
  explicit LocalFiles(std::filesystem::path currentFolder);

  bool ExisteArquivo(const std::string& name) override;
  std::optional<std::string> ReadText(const std::string& name) override;
  bool ReplaceAll(const std::string& name, std::string_view bytes) override;

 private:
  std::filesystem::path Resolve(const std::string& name) const;

  std::filesystem::path currentFolder_;
};

}  // namespace quendal
