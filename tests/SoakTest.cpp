// A week of virtual time with the radio side receiving at random: every quarter hour
// found quiet is announced exactly once, none found receiving is announced late, and the
// transmitter is always left unkeyed.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <sstream>

#include "tests/support/RunScenario.h"

namespace quendal::test {
namespace {

TEST(Soak, aWeekOfQuarterHoursAnnouncesEachQuietOneOnceAndLeavesTheRadioUnkeyed) {
  constexpr std::int64_t kWeek = 7 * 24 * 3600;
  // Episodes begin and end half-way into a second, never at the instant of a tick;
  // where they overlap the flag simply stays True.
  std::mt19937 random(20261206);
  std::vector<bool> receiving(kWeek + 1, false);
  std::ostringstream scenario;
  scenario << "clock 2026-12-07 00:00:00\nat 0.1 click Check3\nat 0.2 click Check4\n";
  for (int i = 0; i < 60; ++i) {
    const std::int64_t from = std::uniform_int_distribution<std::int64_t>(0, kWeek - 4000)(random);
    const std::int64_t to = from + std::uniform_int_distribution<std::int64_t>(1, 3600)(random);
    for (std::int64_t second = from + 1; second <= to; ++second) receiving[second] = true;
    scenario << "at " << from << ".500 host RadioReceiving=True\n";
  }
  for (std::int64_t second = 1; second < kWeek; ++second) {
    if (receiving[second] && !receiving[second + 1]) {
      scenario << "at " << second << ".500 host RadioReceiving=False\n";
    }
  }
  scenario << "run " << kWeek << "\n";
  std::set<std::int64_t> expected;
  for (std::int64_t secondOne = 1; secondOne < kWeek; secondOne += 15 * 60) {
    if (!receiving[secondOne]) expected.insert(secondOne * 1000);
  }
  ASSERT_LT(expected.size(), 672u) << "no quarter hour hidden: nothing tests the guards";

  std::set<std::int64_t> keyed;
  bool keyedNow = false;
  std::istringstream lines(RunScenario(scenario.str()));
  for (std::string line; std::getline(lines, line);) {
    long long seconds = 0;
    int millis = 0;
    char event[160] = {};
    if (std::sscanf(line.c_str(), "%lld.%d %159[^\n]", &seconds, &millis, event) != 3) continue;
    const std::string what = event;
    const bool keying = what == "RfTransmit True";
    EXPECT_FALSE(keying && keyedNow) << "keyed twice: " << line;
    if (keying) keyed.insert(seconds * 1000 + millis);
    if (what.starts_with("RfTransmit")) keyedNow = keying;
    EXPECT_FALSE(what.starts_with("PlaySound") && !keyedNow) << "a clip off the air: " << line;
  }
  EXPECT_EQ(keyed, expected);
  EXPECT_FALSE(keyedNow) << "the week ended with the transmitter keyed";
}

}  // namespace
}  // namespace quendal::test
