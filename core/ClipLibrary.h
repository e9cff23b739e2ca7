#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Where the clips and the temperature file lie beside the executable. Each path is the
// program's folder followed directly by a fixed suffix; the texts go through the
// two-character rule, so "9" names hrs09.wav and "7" names tmp007.wav.
namespace quendal {

// The system's own separator: backslash on Windows, slash elsewhere.
inline constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

std::string HourClip(std::string_view appPath, std::string_view hora);
std::string MinuteClip(std::string_view appPath, std::string_view minuto);
// `key` is already a two-character temperature key.
std::string TemperatureClip(std::string_view appPath, std::string_view key);
std::string TemperatureFile(std::string_view appPath);

}  // namespace quendal

namespace quendal {

enum class ClipKind { Hour, Minute, Temperature };

struct LibraryClip {
  ClipKind kind;
  int number;        // the hour, the minute or the degrees
  std::string name;  // relative to the program's folder, written with '/'
};

// The one list of the clips the program can ask for with valid values: 24 hours, 60
// minutes, 41 temperatures (0 to 40 degrees), in that order. The build speaks it, the
// simulator lays it out, and the paths above name its files.
std::vector<LibraryClip> LibraryClips();
std::vector<std::string> LibraryClipNames();

}  // namespace quendal
