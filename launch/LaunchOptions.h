#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/drivers/HostDrivers.h"
#include "launch/CommandLine.h"

namespace quendal {

// What the command line asks of a run. Every program of the station reads the same
// command line, whatever draws its windows.
struct LaunchOptions {
  // The time of day the program's clock starts at, from midnight.
  std::optional<std::chrono::seconds> clock;
  HostChoice host = DefaultHostChoice();
  std::string screenshotFolder;  // hidden: write pictures of the windows there and stop
  // No window: the station runs as a service, its message boxes answered at once.
  bool headless = false;
  // Where the on-air log goes; "" for none on the desktop, standard error headless.
  std::string logFile;
  // Stands for the executable's folder where the clips and the temperature file are looked
  // up, absolute; "" keeps the executable's folder.
  std::string folder;
  // Check the clip library and stop, with no window and no station.
  bool checkClips = false;
};

// Either options to run with, or a text to show and an exit code to stop with.
struct LaunchRequest {
  LaunchOptions options;
  std::optional<int> exitCode;
  std::string message;
};

// What the program is, above its options in --help and its manual page.
inline constexpr const char* kLaunchDescription =
    "Quendal: anuncia a hora e a temperatura para a estação de rádio.";

// The options every program reads, in the order --help lists them; the manual page is
// written from the same table.
std::vector<CommandOption> LaunchCommandOptions();

// `arguments` includes the program's path first, as argv gives it.
LaunchRequest ParseLaunch(const std::vector<std::string>& arguments);

// "HH:MM" or "HH:MM:SS", 24-hour; nullopt for anything else.
std::optional<std::chrono::seconds> ParseTimeOfDay(std::string_view text);

}  // namespace quendal
