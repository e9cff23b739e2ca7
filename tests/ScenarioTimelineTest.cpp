// Every scenario under tests/scenarios runs and must print exactly its .timeline file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/RunScenario.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> ScenarioNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(QUENDAL_SCENARIO_DIR)) {
    if (entry.path().extension() == ".scenario") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ScenarioTimeline : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTimeline, MatchesTheExpectedTimeline) {
  const fs::path base = fs::path(QUENDAL_SCENARIO_DIR) / GetParam();
  const fs::path expectedPath = fs::path(base).replace_extension(".timeline");
  ASSERT_TRUE(fs::exists(expectedPath)) << "no " << expectedPath;
  EXPECT_EQ(testing::RunScenario(ReadText(fs::path(base).replace_extension(".scenario"))),
            ReadText(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioTimeline, ::testing::ValuesIn(ScenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& scenario) {
                           return scenario.param;
                         });

}  // namespace
}  // namespace quendal
