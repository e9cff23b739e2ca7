// The controller through the simulator: every scenario under tests/scenarios must print
// exactly its timeline (NAME.timeline, or NAME.verbose.timeline for a run that also shows
// host reads, pauses and the clock); those under refused/ are refused, naming a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "sim/Scenario.h"
#include "sim/VirtualStation.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;

// The timeline of a scenario, or the line "parse error at line N: ..." when it is refused.
std::string RunScenario(const std::string& text, bool verbose) {
  auto parsed = sim::ParseScenario(text);
  if (const auto* error = std::get_if<sim::ParseError>(&parsed)) {
    return "parse error at line " + std::to_string(error->line) + ": " + error->message + "\n";
  }
  std::ostringstream timeline, errors;
  sim::VirtualStation station(std::get<sim::Scenario>(std::move(parsed)), timeline,
                              sim::RunOptions{verbose, false});
  return station.Run(errors) ? timeline.str() : "run failed: " + errors.str();
}

std::vector<std::string> ScenarioNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(QUENDAL_SCENARIO_DIR)) {
    const fs::path name = fs::relative(entry.path(), QUENDAL_SCENARIO_DIR).replace_extension();
    if (entry.path().extension() == ".scenario") names.push_back(name.generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ScenarioTimeline : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTimeline, matchesItsTimeline) {
  const std::string base = (fs::path(QUENDAL_SCENARIO_DIR) / GetParam()).string();
  const bool verbose = fs::exists(base + ".verbose.timeline");
  const std::string expected = ReadBytes(base + (verbose ? ".verbose.timeline" : ".timeline"));
  ASSERT_NE(expected, "") << "no timeline for " << base;
  EXPECT_EQ(RunScenario(ReadBytes(base + ".scenario"), verbose), expected);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTimeline, ::testing::ValuesIn(ScenarioNames()),
                         [](const auto& scenario) {
                           std::string name = scenario.param;
                           std::replace(name.begin(), name.end(), '/', '_');
                           return name;
                         });

}  // namespace
}  // namespace quendal::test
