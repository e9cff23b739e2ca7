#pragma once

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

// nullopt without a real link to guard, with a limit that is not a whole number of seconds
// above zero, or with anything the command line does not name, as the program's own
// command line is read.
std::optional<GuardOptions> ParseGuardOptions(int argc, char** argv);

}  // namespace quendal::guard
