#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options/OptionControls.h"
#include "options/OptionSet.h"

namespace quendal {

inline constexpr const char* kOptionsFileName = "quendal.txt";

// The eight lines of the options file, each ended by CR LF: the seven boxes in file
// order as " 1 " or " 0 " (a greyed box is saved as cleared), then the manual text.
std::string FormatOptionsFile(const OptionSet& options);

// A box line as the platform's integer conversion reads it: blanks around the number
// are ignored, a sign is accepted. nullopt when the text is no 16-bit whole number.
std::optional<std::int16_t> ParseBoxLine(std::string_view line);

enum class ApplyMode {
  // The "Lê as opções" button: a bad or missing line leaves its box as it was.
  SkipBadLines,
  // Start-up: the first bad or missing line stops the reading, keeping what was applied.
  StopAtBadLine,
};

struct ApplyOutcome {
  // 1-based number of the line that stopped the reading; nullopt when all eight applied.
  std::optional<int> badLine;
};

// Stores the lines into the controls one after another, each before the next is looked
// at, so the click rules run in the middle of the reading as each value changes.
ApplyOutcome ApplyOptionLines(const std::vector<std::string>& lines, OptionControls& controls,
                              ApplyMode mode);

}  // namespace quendal
