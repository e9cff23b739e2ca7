#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "options/OptionsFile.h"

namespace quendal::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class ScratchFolder {
 public:
  ScratchFolder() { std::filesystem::create_directories(path_); }
  ~ScratchFolder() { std::filesystem::remove_all(path_, ignored_); }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const {
    return path_ / std::filesystem::u8path(name);
  }

 private:
  std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                ("quendal-test-" + std::to_string(std::random_device{}()));
  std::error_code ignored_;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A quendal.txt in `folder` with exactly these boxes set.
inline void WriteOptions(const ScratchFolder& folder, std::initializer_list<Box> set) {
  OptionSet options;
  for (const Box box : set) options.SetValue(box, kSet);
  WriteBytes(folder / kOptionsFileName, FormatOptionsFile(options));
}

}  // namespace quendal::test
