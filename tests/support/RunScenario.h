#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <variant>

#include "sim/Scenario.h"
#include "sim/VirtualStation.h"

namespace quendal::testing {

// The timeline of a scenario given as text, or "parse error at line N: ..." when the
// scenario is refused.
inline std::string RunScenario(std::string_view text, bool verbose = false) {
  auto parsed = sim::ParseScenario(text);
  if (const auto* error = std::get_if<sim::ParseError>(&parsed)) {
    return "parse error at line " + std::to_string(error->line) + ": " + error->message;
  }
  std::ostringstream timeline;
  std::ostringstream errors;
  sim::VirtualStation station(std::get<sim::Scenario>(std::move(parsed)), timeline,
                              sim::RunOptions{verbose, false});
  if (!station.Run(errors)) return "run failed: " + errors.str();
  return timeline.str();
}

}  // namespace quendal::testing
