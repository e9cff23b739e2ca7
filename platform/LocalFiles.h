#pragma once

#include <filesystem>

#include "core/platform/FileAccess.h"

namespace quendal {

// FileAccess on the real file system. Relative names resolve against `currentFolder`,
// which the program takes from the process at start; tests give each case its own.
class LocalFiles final : public FileAccess {
 public:
  explicit LocalFiles(std::filesystem::path currentFolder);

  bool ExisteArquivo(const std::string& name) override;
  std::optional<std::string> ReadAll(const std::string& name) override;
  bool ReplaceAll(const std::string& name, std::string_view bytes) override;

 private:
  std::filesystem::path Resolve(const std::string& name) const;

  std::filesystem::path currentFolder_;
};

}  // namespace quendal
