// The guard's time-out against real keying patterns: it must catch a carrier held past
// the limit and never one an announcement holds.

#include <gtest/gtest.h>

#include "guard/TransmitterWatch.h"

namespace quendal::guard {
namespace {

using namespace std::chrono_literals;

TEST(TransmitterWatch, TimesOutOnlyACarrierHeldPastTheLimit) {
  // Time, what the program said ('-' nothing), what then times out, what the guard's
  // release got ('+' taken, '-' refused, ' ' none), what a dying program leaves keyed.
  struct Step {
    Millis at;
    char heard;
    std::vector<Switch> timedOut;
    char guardRelease;
    std::vector<Switch> leftKeyed;
  };
  const Step timeline[] = {
      {0ms, 'R', {}, ' ', {Switch::Rf}},       // scheduled time part keys
      {9'000ms, 'R', {}, ' ', {Switch::Rf}},   // first temperature send keys again
      {12'000ms, 'r', {}, ' ', {}},            // released and confirmed
      {14'000ms, 'I', {}, ' ', {Switch::Ip}},  // an IP send whose release is refused
      {133'999ms, '-', {}, ' ', {Switch::Ip}},
      {134'000ms, '-', {Switch::Ip}, '-', {Switch::Ip}},  // time-out, host refuses
      {134'999ms, '-', {}, ' ', {Switch::Ip}},
      {135'000ms, '-', {Switch::Ip}, '+', {}},  // tried again, taken
  };
  TransmitterWatch watch;
  for (const Step& step : timeline) {
    if (const auto event = Decode(step.heard)) watch.Heard(*event, step.at);
    EXPECT_EQ(watch.TimedOut(step.at), step.timedOut) << step.at.count();
    for (const Switch which : step.timedOut) {
      watch.ReleasedByGuard(which, step.guardRelease == '+', step.at);
    }
    EXPECT_EQ(watch.NotConfirmedOff(), step.leftKeyed) << step.at.count();
  }
}

}  // namespace
}  // namespace quendal::guard
