#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "guard/TransmitterWatch.h"
#include "host/drivers/HostDrivers.h"

namespace quendal::guard {

// quendal-guard --host NAME[=ADDRESS] [--limit SECONDS] [--parent HANDLE]: the program's
// own --host choice, and on Windows the program's process as a handle it inherited.
struct GuardOptions {
  HostChoice choice;
  Millis limit = TransmitterWatch::kDefaultLimit;
  std::string parent;
};

inline constexpr const char* kGuardUsage =
    "usage: quendal-guard --host NAME[=ADDRESS] [--limit SECONDS] [--parent HANDLE]\n";

// nullopt without a real link to guard or with a limit that is no time at all.
inline std::optional<GuardOptions> ParseGuardOptions(int argc, char** argv) {
  std::optional<HostChoice> choice;
  GuardOptions options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--host") choice = ParseHostChoice(argv[i + 1]);
    if (option == "--limit") options.limit = Millis{std::atol(argv[i + 1]) * 1000};
    if (option == "--parent") options.parent = argv[i + 1];
  }
  if (!choice || IsSimulated(*choice) || options.limit <= Millis{0}) return std::nullopt;
  options.choice = std::move(*choice);
  return options;
}

}  // namespace quendal::guard
