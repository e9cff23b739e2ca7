#include "core/ClipLibrary.h"

#include "core/TextRules.h"

namespace quendal {
namespace {

constexpr std::string_view kHourFolder = "hora";
constexpr std::string_view kTemperatureFolder = "temperatura";

std::string HourFileName(const std::string& key) { return "hrs" + key + ".wav"; }
std::string MinuteFileName(const std::string& key) { return "min" + key + ".wav"; }
// The "0" after "tmp" is part of the name, so the library's names have three digits.
std::string TemperatureFileName(std::string_view key) { return "tmp0" + std::string(key) + ".wav"; }

std::string Join(std::string_view appPath, std::string_view folder, std::string_view name) {
  std::string path(appPath);
  if (!folder.empty()) {
    path += kSeparator;
    path += folder;
  }
  path += kSeparator;
  path += name;
  return path;
}

}  // namespace

std::string HourClip(std::string_view appPath, std::string_view hora) {
  return Join(appPath, kHourFolder, HourFileName(TwoCharacterKey(hora)));
}

std::string MinuteClip(std::string_view appPath, std::string_view minuto) {
  return Join(appPath, kHourFolder, MinuteFileName(TwoCharacterKey(minuto)));
}

std::string TemperatureClip(std::string_view appPath, std::string_view key) {
  return Join(appPath, kTemperatureFolder, TemperatureFileName(key));
}

std::string TemperatureFile(std::string_view appPath) {
  return Join(appPath, {}, "temperatura.html");
}

}  // namespace quendal

namespace quendal {

std::vector<LibraryClip> LibraryClips() {
  const auto name = [](std::string_view folder, const std::string& file) {
    return std::string(folder) + '/' + file;
  };
  const auto key = [](int number) { return TwoCharacterKey(std::to_string(number)); };
  std::vector<LibraryClip> clips;
  for (int hour = 0; hour < 24; ++hour) {
    clips.push_back({ClipKind::Hour, hour, name(kHourFolder, HourFileName(key(hour)))});
  }
  for (int minute = 0; minute < 60; ++minute) {
    clips.push_back({ClipKind::Minute, minute, name(kHourFolder, MinuteFileName(key(minute)))});
  }
  for (int degrees = 0; degrees <= 40; ++degrees) {
    clips.push_back({ClipKind::Temperature, degrees,
                     name(kTemperatureFolder, TemperatureFileName(key(degrees)))});
  }
  return clips;
}

std::vector<std::string> LibraryClipNames() {
  std::vector<std::string> names;
  for (const LibraryClip& clip : LibraryClips()) names.push_back(clip.name);
  return names;
}

}  // namespace quendal
