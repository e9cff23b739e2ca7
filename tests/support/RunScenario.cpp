#include "tests/support/RunScenario.h"

#include <sstream>
#include <variant>

#include "sim/Scenario.h"
#include "sim/VirtualStation.h"

namespace quendal::test {

std::string RunScenario(std::string_view text, bool verbose) {
  auto parsed = sim::ParseScenario(text);
  if (const auto* error = std::get_if<sim::ParseError>(&parsed)) {
    return "parse error at line " + std::to_string(error->line) + ": " + error->message + "\n";
  }
  std::ostringstream timeline, errors;
  sim::VirtualStation station(std::get<sim::Scenario>(std::move(parsed)), timeline,
                              sim::RunOptions{verbose, false});
  if (!station.Run(errors)) return "run failed: " + errors.str();
  return timeline.str();
}

}  // namespace quendal::test
