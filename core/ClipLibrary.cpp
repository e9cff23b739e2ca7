#include "core/ClipLibrary.h"

#include "core/TextRules.h"

namespace quendal {
namespace {

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
  return Join(appPath, "hora", "hrs" + TwoCharacterKey(hora) + ".wav");
}

std::string MinuteClip(std::string_view appPath, std::string_view minuto) {
  return Join(appPath, "hora", "min" + TwoCharacterKey(minuto) + ".wav");
}

std::string TemperatureClip(std::string_view appPath, std::string_view key) {
  // The "0" after "tmp" is part of the name, so the library's names have three digits.
  return Join(appPath, "temperatura", "tmp0" + std::string(key) + ".wav");
}

std::string TemperatureFile(std::string_view appPath) {
  return Join(appPath, {}, "temperatura.html");
}

}  // namespace quendal

namespace quendal {

std::vector<std::string> LibraryClipNames() {
  std::vector<std::string> names;
  for (int hour = 0; hour < 24; ++hour) {
    names.push_back("hora/hrs" + TwoCharacterKey(std::to_string(hour)) + ".wav");
  }
  for (int minute = 0; minute < 60; ++minute) {
    names.push_back("hora/min" + TwoCharacterKey(std::to_string(minute)) + ".wav");
  }
  for (int degrees = 0; degrees <= 40; ++degrees) {
    names.push_back("temperatura/tmp0" + TwoCharacterKey(std::to_string(degrees)) + ".wav");
  }
  return names;
}

}  // namespace quendal
