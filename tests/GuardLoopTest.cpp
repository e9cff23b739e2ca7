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
  std::string calls;  // "Rms," or "Ims," for each release call

  // The first `refused` release calls fail (a call that restores the host succeeds).
  explicit Timeline(int refused) {
    if (refused > 0) link.FailAll();
    link.Observe([this, refused](const SimulatedHost::Call& call) {
      calls += call.member.substr(0, 1) + std::to_string(now.count()) + ",";
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
  using Script = std::vector<std::pair<long, char>>;
  const std::tuple<const char*, Script, int, std::string, int> cases[] = {
      {"released in time", {{0, 'R'}, {7'000, 'r'}, {200'000, 'x'}}, 0, "", 0},
      {"from the first key", {{0, 'R'}, {60'000, 'R'}, {130'000, 'x'}}, 0, "R120000,", 1},
      {"time-out retried", {{5'000, 'I'}, {128'000, 'x'}}, 2, "I125000,I126000,I127000,", 2},
      // Left unconfirmed: asked every 500 ms, and once more after it settles.
      {"unconfirmed", {{0, 'R'}, {8'000, 'r'}, {9'000, 'R'}}, 2, "R9000,R9500,R10000,R10300,", 1},
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
      EXPECT_TRUE(t.calls.ends_with("R29000,R29500,")) << t.calls;
    }
    const std::string text = log.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << name << text;
  }
}

}  // namespace
}  // namespace quendal::guard
