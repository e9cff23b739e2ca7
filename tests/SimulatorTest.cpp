// The controller through the simulator: every scenario under tests/scenarios must print
// exactly its timeline (NAME.timeline, or NAME.verbose.timeline for a run that also shows
// host reads, pauses and the clock), and malformed scenarios are refused by line.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/RunScenario.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ScenarioNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(QUENDAL_SCENARIO_DIR)) {
    if (entry.path().extension() == ".scenario") names.push_back(entry.path().stem().string());
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
                         [](const auto& scenario) { return scenario.param; });

TEST(Simulator, refusesAMalformedScenarioNamingItsLine) {
  const std::string clock = "clock 2026-12-06 10:00:00\n";
  const std::pair<std::string, const char*> refusals[] = {
      {clock + "bogus\nrun 1\n", "line 2: unknown directive"},
      {"# no clock\nrun 1\n", "line 2: the scenario has no 'clock'"},
      {clock + "at 1 click Check1\n", "line 2: the scenario must end"},
      {"clock 2026-12-06 25:00:00\nrun 1\n", "line 1: clock out of range"},
      {clock + "file a.txt\nx\n", "line 3: file 'a.txt' has no 'end'"},
      {clock + "host RadioReceiving=maybe\nrun 1\n", "line 2: a flag is True, False or fail"},
      {clock + "at 1.2345 close\nrun 2\n", "line 2: bad time"},
      {clock + "at 1 click Command9\nrun 2\n", "line 2: no control 'Command9'"},
      {clock + "at 1 host create=fail\nrun 2\n", "line 2: create=fail applies only before"},
      {clock + "at 3 close\nrun 2\n", "line 2: this action comes after"},
      {clock + "file ../escape\nend\nrun 2\n", "line 2: '../escape' is not a relative"},
      {clock + "run 2\nat 1 close\n", "line 3: nothing may follow"},
      {clock + "clips missing hora/hrs24.wav\nrun 1\n", "line 2: 'hora/hrs24.wav' is not a clip"},
  };
  for (const auto& [scenario, expected] : refusals) {
    const std::string said = RunScenario(scenario);
    EXPECT_EQ(said.rfind("parse error at " + std::string(expected), 0), 0u) << said;
  }
}

}  // namespace
}  // namespace quendal::test
