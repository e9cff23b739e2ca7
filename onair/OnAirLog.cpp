#include "onair/OnAirLog.h"

#include <cstdio>
#include <filesystem>

namespace quendal::onair {

void OnAirLog::Write(std::string_view event) {
  if (out_ == nullptr) return;
  const LocalTime t = clock_.Now();
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d.%03d ", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.millisecond);
  *out_ << stamp << event << '\n' << std::flush;
}

bool OpenLogFile(std::ofstream& file, const std::string& path) {
  const std::u8string utf8(path.begin(), path.end());
  file.open(std::filesystem::path(utf8), std::ios::app | std::ios::binary);
  return file.is_open();
}

}  // namespace quendal::onair
