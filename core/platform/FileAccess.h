#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendal {

// The file system as the program sees it. Relative names resolve against the program's
// current folder. No call throws: failures come back as values.
class FileAccess {
 public:
  virtual ~FileAccess() = default;

  // True when a plain, visible file of that name exists. Folders and hidden files count
  // as missing, and so does any error of the look-up itself.
  virtual bool ExisteArquivo(const std::string& name) = 0;

  // The whole file; nullopt when it cannot be opened or read.
  virtual std::optional<std::string> ReadAll(const std::string& name) = 0;

  // Replaces the file with `bytes` so that readers see either the old file or the whole
  // new one, never a part. Returns false, leaving the old file, when that fails.
  virtual bool ReplaceAll(const std::string& name, std::string_view bytes) = 0;
};

}  // namespace quendal
