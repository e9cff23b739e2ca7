// The guard's time-out and its releases after the program has gone, as timelines on a
// steady clock of the test's own: the channel's waits and the guard's pauses move it.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "guard/GuardLoop.h"
#include "host/SimulatedHost.h"

namespace quendal::guard {
namespace {

using std::chrono::milliseconds;

struct Timeline final : ParentChannel, Stopwatch, Pause {
  std::vector<std::pair<long, char>> script;  // (ms, byte); the program goes after the last
  std::size_t next = 0;
  Millis now{0};
  SimulatedHost link;
  std::string calls;  // "ms Rf|Ip," for each release call

  // The first `refused` release calls fail (a call that restores the host succeeds).
  explicit Timeline(int refused) {
    if (refused > 0) link.FailAll();
    link.Observe([this, refused](const SimulatedHost::Call& call) {
      calls += std::to_string(now.count()) + " " + call.member.substr(0, 2) + ",";
      if (std::count(calls.begin(), calls.end(), ',') == refused + 1) link.RestoreAll();
    });
  }
  News Wait(std::optional<Millis> timeout) override {
    const Millis at = next < script.size() ? Millis{script[next].first} : now;
    if (timeout && now + *timeout < at) return now += *timeout, News{News::Kind::Quiet};
    now = std::max(now, at);
    if (next == script.size()) return {News::Kind::Gone};
    return {News::Kind::Byte, script[next++].second};
  }
  Millis Elapsed() override { return now; }
  void Sleep(std::chrono::milliseconds duration) override { now += duration; }
};

// Each case: the program's bytes (its last line is its going), how many release calls
// are refused, every release call made and the lines logged.
TEST(GuardLoop, releasesOnlyWhatTimedOutOrWasLeftKeyedAndGivesUpAfterThirtySeconds) {
  const std::tuple<const char*, std::vector<std::pair<long, char>>, int, std::string, int> cases[] =
      {
          {"released in time", {{0, 'R'}, {7'000, 'r'}, {200'000, 'x'}}, 0, "", 0},
          {"timed out, from the first keying",
           {{0, 'R'}, {60'000, 'R'}, {130'000, 'x'}},
           0,
           "120000 Rf,",
           1},
          {"a time-out asked again each second",
           {{5'000, 'I'}, {128'000, 'x'}},
           2,
           "125000 Ip,126000 Ip,127000 Ip,",
           2},
          {"left keyed: once more after settling",
           {{0, 'R'}, {3'000, 'x'}},
           0,
           "3000 Rf,3300 Rf,",
           1},
          {"left unconfirmed: asked every 500 ms",
           {{0, 'R'}, {8'000, 'r'}, {9'000, 'R'}},
           2,
           "9000 Rf,9500 Rf,10000 Rf,10300 Rf,",
           1},
          {"never taken", {{0, 'R'}}, 60, "", 1},
      };
  for (const auto& [name, script, refused, calls, lines] : cases) {
    Timeline t(refused);
    t.script = script;
    std::ostringstream log;
    RunGuard({t, t, t, t.link, log});
    if (refused < 60) {
      EXPECT_EQ(t.calls, calls) << name;
    } else {
      EXPECT_TRUE(t.calls.ends_with("29000 Rf,29500 Rf,")) << t.calls;
    }
    const std::string text = log.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << name << text;
  }
}

}  // namespace
}  // namespace quendal::guard
