#pragma once

#include <string_view>

#include "launch/CommandLine.h"

// quendal-sim's command line, which its --help and its manual page both show.
namespace quendal::sim {

inline constexpr std::string_view kSimSynopsis = "[--verbose] [--keep] SCENARIO";
inline constexpr std::string_view kSimSummary = "run a scenario on a virtual clock";
inline constexpr std::string_view kSimDescription =
    "Runs SCENARIO ('-' for standard input) on a virtual clock and prints the timeline.";

inline constexpr CommandOption kSimOptions[] = {
    {"verbose", "", "", "also print host reads, pauses and the clock display"},
    {"keep", "", "", "keep the scenario's folder and print where it is"},
    {"help", "h", "", "print this help and exit"},
};

}  // namespace quendal::sim
