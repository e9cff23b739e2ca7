// The simulator's own contract: how scenarios are refused, and the event loop's rules
// for ticks, pauses, message boxes and the end of the run.

#include <gtest/gtest.h>

#include "support/RunScenario.h"

namespace quendal {
namespace {

using testing::RunScenario;

struct Refusal {
  const char* scenario;
  const char* expected;
};

class ScenarioRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ScenarioRefusal, NamesTheLine) {
  EXPECT_EQ(RunScenario(GetParam().scenario).rfind(GetParam().expected, 0), 0u)
      << RunScenario(GetParam().scenario);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, ScenarioRefusal,
    ::testing::Values(
        Refusal{"clock 2026-12-06 10:00:00\nbogus\nrun 1\n", "parse error at line 2"},
        Refusal{"# no clock\nrun 1\n", "parse error at line 2: the scenario has no 'clock'"},
        Refusal{"clock 2026-12-06 10:00:00\nat 1 click Check1\n",
                "parse error at line 2: the scenario must end"},
        Refusal{"clock 2026-12-06 25:00:00\nrun 1\n", "parse error at line 1"},
        Refusal{"#\nclock 2026-02-31 -1:-1:-1.5\nrun 1\n", "parse error at line 2"},
        Refusal{"clock 2026-02-29 10:00:00\nrun 1\n", "parse error at line 1: clock out of range"},
        Refusal{"clock 2026-12-06 10:00:00\nfile a.txt\nx\n",
                "parse error at line 3: file 'a.txt' has no 'end'"},
        Refusal{"clock 2026-12-06 10:00:00\nhost RadioReceiving=maybe\nrun 1\n",
                "parse error at line 2"},
        Refusal{"clock 2026-12-06 10:00:00\nat 1.2345 close\nrun 2\n", "parse error at line 2"},
        Refusal{"clock 2026-12-06 10:00:00\nat 1 click Command9\nrun 2\n", "parse error at line 2"},
        Refusal{"clock 2026-12-06 10:00:00\nat 1 host create=fail\nrun 2\n",
                "parse error at line 2"},
        Refusal{"clock 2026-12-06 10:00:00\nat 3 close\nrun 2\n",
                "parse error at line 2: this action comes after"},
        Refusal{"clock 2026-12-06 10:00:00\nfile ../escape\nend\nrun 2\n", "parse error at line 2"},
        Refusal{"clock 2026-12-06 10:00:00\nrun 2\nat 1 close\n",
                "parse error at line 3: nothing may follow"},
        Refusal{"clock 2026-12-06 10:00:00\nclips missing hora/hrs24.wav\nrun 1\n",
                "parse error at line 2: 'hora/hrs24.wav' is not a clip"}));

TEST(EventLoop, TicksFollowTheClocksWholeSeconds) {
  // Started 750 ms into a second: the first tick comes 250 ms later, then every second.
  const std::string timeline =
      RunScenario("clock 2026-12-06 10:00:00.750\nrun 2.5\n", /*verbose=*/true);
  EXPECT_NE(timeline.find("0.250 Label2 \"10:00:01\"\n"), std::string::npos) << timeline;
  EXPECT_NE(timeline.find("1.250 Label2 \"10:00:02\"\n"), std::string::npos) << timeline;
  EXPECT_NE(timeline.find("2.250 Label2 \"10:00:03\"\n"), std::string::npos) << timeline;
}

TEST(EventLoop, APauseDropsTicksAndHoldsClicksUntilItEnds) {
  const std::string timeline = RunScenario(
      "clock 2026-12-06 10:00:00\n"
      "at 1 click hora_rf\n"
      "at 2 click Check4\n"       // waits for the sequence
      "at 4.5 cat quendal.txt\n"  // external: applies in the middle of a pause
      "run 9\n",
      /*verbose=*/true);
  // The click comes before the tick at 1.000, and every tick until 8.000 falls in a pause.
  const std::size_t firstTick = timeline.find("Label2");
  ASSERT_GE(firstTick, 6u);
  EXPECT_EQ(timeline.substr(firstTick - 6, 6), "8.000 ") << timeline;
  EXPECT_NE(timeline.find("4.500 File quendal.txt absent\n"), std::string::npos);
  // The held click runs when the sequence has ended, before the tick of that instant.
  EXPECT_NE(timeline.find("8.000 RfTransmit False\n8.000 RfTransmit False\n8.000 Check4 1\n"
                          "8.000 Label2"),
            std::string::npos)
      << timeline;
}

TEST(EventLoop, TicksGoOnUnderAMessageBoxWhileClicksWait) {
  const std::string timeline = RunScenario(
      "clock 2026-12-06 10:00:00\n"
      "answer 3 No\n"
      "at 1 close\n"
      "at 2 click Check4\n"
      "run 5\n",
      /*verbose=*/true);
  EXPECT_NE(timeline.find("2.000 Label2 \"10:00:02\"\n"), std::string::npos) << timeline;
  EXPECT_NE(timeline.find("3.000 Label2 \"10:00:03\"\n"), std::string::npos) << timeline;
  EXPECT_NE(timeline.find("4.000 MsgBoxClosed No\n4.000 Check4 1\n"), std::string::npos)
      << timeline;
}

TEST(EventLoop, TheRunStopsInTheMiddleOfASequence) {
  EXPECT_EQ(RunScenario("clock 2026-12-06 10:00:00\nat 1 click hora_rf\nrun 4\n"),
            "1.000 IpTransmit False\n"
            "3.000 RfTransmit True\n"
            "3.000 PlaySound hora/hrs10.wav\n");
}

TEST(EventLoop, MissingClipsPlayTheDefaultSound) {
  EXPECT_EQ(RunScenario("clock 2026-12-06 10:00:00\nclips missing hora/min00.wav\n"
                        "at 1 click hora_rf\nrun 8\n"),
            "1.000 IpTransmit False\n"
            "3.000 RfTransmit True\n"
            "3.000 PlaySound hora/hrs10.wav\n"
            "6.000 PlaySound hora/min00.wav missing\n"
            "8.000 RfTransmit False\n"
            "8.000 RfTransmit False\n");
}

}  // namespace
}  // namespace quendal
