#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/drivers/HostDrivers.h"

namespace quendal {

// What the command line asks of a run. Every program of the station reads the same
// command line, whatever draws its windows.
struct LaunchOptions {
  // The time of day the program's clock starts at, from midnight.
  std::optional<std::chrono::seconds> clock;
  HostChoice host = DefaultHostChoice();
  std::string screenshotFolder;  // hidden: write pictures of the windows there and stop
};

// Either options to run with, or a text to show and an exit code to stop with.
struct LaunchRequest {
  LaunchOptions options;
  std::optional<int> exitCode;
  std::string message;
};

// `arguments` includes the program's path first, as argv gives it.
LaunchRequest ParseLaunch(const std::vector<std::string>& arguments);

// "HH:MM" or "HH:MM:SS", 24-hour; nullopt for anything else.
std::optional<std::chrono::seconds> ParseTimeOfDay(std::string_view text);

}  // namespace quendal
