#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where the clips and the temperature file lie beside the executable. Each path is the
// program's folder followed directly by a fixed suffix; the texts go through the
// two-character rule, so "9" names hrs09.wav and "7" names tmp007.wav.
namespace quendal {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

std::string HourClip(std::string_view appPath, std::string_view hora);
std::string MinuteClip(std::string_view appPath, std::string_view minuto);
// `key` is already a two-character temperature key.
std::string TemperatureClip(std::string_view appPath, std::string_view key);
std::string TemperatureFile(std::string_view appPath);

}  // namespace quendal

namespace quendal {

// The 125 clips the program can ask for with valid values, relative to the program's
// folder and written with '/': 24 hours, 60 minutes, 41 temperatures (0 to 40 degrees).
std::vector<std::string> LibraryClipNames();

}  // namespace quendal
