#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quendal {

// The file system as the program sees it. Relative names resolve against the program's
// current folder. No call throws: failures come back as values.
class FileAccess {
 public:
  // More than any options or temperature file holds; a bigger file is read this far only,
  // so neither the time a read takes nor the memory it needs grows with the file.
  static constexpr std::size_t kTextReadLimit = std::size_t{1} << 20;

  virtual ~FileAccess() = default;

  // True when a plain, visible file of that name exists. Folders and hidden files count
  // as missing, and so does any error of the look-up itself.
  virtual bool ExisteArquivo(const std::string& name) = 0;

  // The text of a plain file, at most kTextReadLimit bytes of it. A file that another
  // program keeps rewriting is read again a few times; when no read saw it whole and
  // unchanged, the text ends at its last line end, so a line cut by the limit or caught
  // half-written is never taken. nullopt when the file cannot be opened or read.
  virtual std::optional<std::string> ReadText(const std::string& name) = 0;

  // Replaces the file with `bytes` so that readers see either the old file or the whole
  // new one, never a part. Returns false, leaving the old file, when that fails.
  virtual bool ReplaceAll(const std::string& name, std::string_view bytes) = 0;
};

// `text` up to and with its last line end: what a read that did not see the whole file,
// unchanged, may hand over.
inline std::string WholeLines(std::string text) {
  const std::size_t lastEnd = text.find_last_of("\r\n");
  text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
  return text;
}

}  // namespace quendal
