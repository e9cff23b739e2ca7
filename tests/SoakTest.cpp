// Days of virtual time: every scheduled time found quiet is announced exactly once, none
// found receiving is announced late, and the transmitter is always left unkeyed.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <sstream>

#include "support/RunScenario.h"

namespace quendal {
namespace {

constexpr std::int64_t kWeekMs = 7LL * 24 * 3600 * 1000;

struct Episode {
  std::int64_t fromMs;
  std::int64_t toMs;
};

// Receiving episodes at random, begun and ended half-way into a second so that no flag
// changes at the very instant of a tick.
std::vector<Episode> RandomEpisodes(std::mt19937& random, int count) {
  std::uniform_int_distribution<std::int64_t> start(0, kWeekMs / 1000 - 4000);
  std::uniform_int_distribution<std::int64_t> length(1, 3600);
  std::vector<Episode> episodes;
  for (int i = 0; i < count; ++i) {
    const std::int64_t from = start(random) * 1000 + 500;
    episodes.push_back({from, from + length(random) * 1000});
  }
  return episodes;
}

bool Receiving(const std::vector<Episode>& episodes, std::int64_t atMs) {
  for (const Episode& episode : episodes) {
    if (atMs >= episode.fromMs && atMs < episode.toMs) return true;
  }
  return false;
}

std::string WeekScenario(const std::vector<Episode>& episodes) {
  std::ostringstream scenario;
  scenario << "clock 2026-12-07 00:00:00\nat 0.1 click Check3\nat 0.2 click Check4\n";
  for (const Episode& episode : episodes) {
    char line[96];
    std::snprintf(line, sizeof line, "at %lld.500 host RadioReceiving=True\n",
                  static_cast<long long>(episode.fromMs / 1000));
    scenario << line;
    std::snprintf(line, sizeof line, "at %lld.500 host RadioReceiving=False\n",
                  static_cast<long long>(episode.toMs / 1000));
    scenario << line;
  }
  scenario << "run " << kWeekMs / 1000 << "\n";
  return scenario.str();
}

TEST(Soak, AWeekOfQuarterHoursWithReceptionAnnouncesEachQuietTimeOnce) {
  std::mt19937 random(20261206);
  // Overlapping episodes are fine: the flag is simply True a little longer than one says.
  std::vector<Episode> episodes = RandomEpisodes(random, 60);
  std::sort(episodes.begin(), episodes.end(),
            [](const Episode& a, const Episode& b) { return a.fromMs < b.fromMs; });
  std::vector<Episode> merged;
  for (const Episode& episode : episodes) {
    if (!merged.empty() && episode.fromMs <= merged.back().toMs) {
      merged.back().toMs = std::max(merged.back().toMs, episode.toMs);
    } else {
      merged.push_back(episode);
    }
  }

  std::set<std::int64_t> expected;
  for (std::int64_t quarter = 0; quarter < kWeekMs; quarter += 15 * 60 * 1000) {
    const std::int64_t secondOne = quarter + 1000;
    if (!Receiving(merged, secondOne)) expected.insert(secondOne);
  }

  const auto started = std::chrono::steady_clock::now();
  const std::string timeline = testing::RunScenario(WeekScenario(merged));
  const auto elapsed = std::chrono::steady_clock::now() - started;
  RecordProperty(
      "week_ms",
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));

  std::set<std::int64_t> keyed;
  bool transmitterOn = false;
  int clipsOnUnkeyedTransmitter = 0;
  std::istringstream lines(timeline);
  std::string line;
  while (std::getline(lines, line)) {
    long long seconds = 0;
    int millis = 0;
    char event[160] = {};
    if (std::sscanf(line.c_str(), "%lld.%d %159[^\n]", &seconds, &millis, event) != 3) continue;
    const std::int64_t atMs = seconds * 1000 + millis;
    const std::string what = event;
    if (what == "RfTransmit True") {
      EXPECT_FALSE(transmitterOn) << "keyed twice at " << atMs;
      EXPECT_TRUE(keyed.insert(atMs).second);
      transmitterOn = true;
    } else if (what == "RfTransmit False") {
      transmitterOn = false;
    } else if (what.rfind("PlaySound", 0) == 0 && !transmitterOn) {
      ++clipsOnUnkeyedTransmitter;
    }
  }

  EXPECT_EQ(keyed, expected);
  EXPECT_FALSE(transmitterOn) << "the week ended with the transmitter keyed";
  EXPECT_EQ(clipsOnUnkeyedTransmitter, 0);
  // The episodes must have hidden some of the week's 672 quarter hours, or the test
  // proves nothing about the guards.
  EXPECT_LT(expected.size(), 672u);
}

}  // namespace
}  // namespace quendal
