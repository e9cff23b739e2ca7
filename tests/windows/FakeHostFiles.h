#pragma once

// The test double's state file, its call log and the programs beside the test executable.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quendal::testing {

inline std::filesystem::path BesideThisExecutable(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(std::wstring(path, length)).parent_path() / name;
}

inline void WriteState(const std::filesystem::path& state, const std::string& lines) {
  std::ofstream(state, std::ios::binary | std::ios::trunc) << lines;
}

inline std::filesystem::path LogOf(const std::filesystem::path& state) {
  return std::filesystem::path(state.native() + L".log");
}

// The calls the double has seen since the log was last cleared, one per element.
inline std::vector<std::string> Calls(const std::filesystem::path& state) {
  std::vector<std::string> calls;
  std::ifstream in(LogOf(state), std::ios::binary);
  for (std::string line; std::getline(in, line);) calls.push_back(line);
  return calls;
}

inline void ClearCalls(const std::filesystem::path& state) {
  std::error_code ignored;
  std::filesystem::remove(LogOf(state), ignored);
}

}  // namespace quendal::testing
