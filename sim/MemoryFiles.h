#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <unordered_map>

#include "core/platform/FileAccess.h"

namespace quendal::sim {

// The scenario's folder kept in memory, so that a simulated week reads its files without
// the kernel. For the controller it is LocalFiles on a folder that nobody else touches:
// names resolve against `folder`; only plain files that are not dot files exist; a
// replacement fails where the real one fails (a folder in the way, a missing parent
// folder), leaving the old file, and touches nothing else. Nothing outside `folder` exists.
class MemoryFiles final : public FileAccess {
 public:
  explicit MemoryFiles(std::filesystem::path folder);

  bool ExisteArquivo(const std::string& name) override;
  std::optional<std::string> ReadText(const std::string& name) override;
  bool ReplaceAll(const std::string& name, std::string_view bytes) override;

  // The scenario's own steps, as they would go on disk: a write makes the folders it
  // needs and fails where a file or folder is in the way; a removal takes a file or an
  // empty folder.
  bool Write(const std::string& name, std::string bytes);
  void Remove(const std::string& name);
  // The file's bytes, hidden or not; nullptr when `name` is no file.
  const std::string* Find(const std::string& name);

  // Lays the folder out on disk, where it was said to be, for a look afterwards.
  bool WriteOut(std::ostream& errors) const;

 private:
  // `name` as a path inside the folder written with '/' ("" is the folder itself), or
  // nullopt for a name outside it. Remembered: the controller asks for a few names again
  // and again.
  const std::optional<std::string>& Inside(const std::string& name);
  bool IsFolder(const std::string& path) const;
  bool MakeFoldersFor(const std::string& path);

  std::filesystem::path folder_;
  std::map<std::string, std::string> files_;
  std::set<std::string> folders_{""};
  std::unordered_map<std::string, std::optional<std::string>> resolved_;
};

}  // namespace quendal::sim
