// The command line: the starting time of the clock, the station, help, and what is refused.
#include <gmock/gmock.h>

#include "ui/qt/LaunchOptions.h"

namespace quendal::test {
namespace {

LaunchRequest Parse(QStringList arguments) {
  return ParseLaunch(QStringList{"quendal"} + arguments);
}

std::string Station(const QStringList& arguments) {
  const HostChoice host = Parse(arguments).options.host;
  return host.driver + "|" + host.address;
}

TEST(LaunchOptions, chooseTheStartingTimeAndTheStation) {
  EXPECT_EQ(Parse({}).options.clock, std::nullopt);
  EXPECT_EQ(Parse({"--clock", "14:05"}).options.clock, QTime(14, 5, 0));
  EXPECT_EQ(Parse({"--clock=7:59:58"}).options.clock, QTime(7, 59, 58));
  EXPECT_EQ(Station({}) + " " + Station({"--host", "sim"}), "sim| sim|");
  EXPECT_EQ(Station({"--host", "rigctld"}), "rigctld|127.0.0.1:4532");
  // The name is looked up now, once: the running link never waits on a name server.
  EXPECT_THAT(Station({"--host=rigctld=localhost:4600"}),
              testing::MatchesRegex("rigctld|.*127.0.0.1.*:4600"));
  EXPECT_EQ(Parse({"--screenshot", "/tmp/x"}).options.screenshotFolder, "/tmp/x");
}

TEST(LaunchOptions, refuseBadTimesStationsAndArgumentsAndHelpShowsThePublicOptions) {
  for (const char* bad : {"24:00", "14:60", "14:5", "14", "14:05:60", "ab:cd", ""}) {
    EXPECT_EQ(Parse({"--clock", bad}).exitCode, 2) << bad;
    EXPECT_TRUE(Parse({"--clock", bad}).message.contains("--clock")) << bad;
  }
  for (const char* bad :
       {"rigctld=host:0", "rigctld=:x", "rigctld=nowhere.invalid", "echolink", "rig", "sim=x"}) {
    EXPECT_EQ(Parse({"--host", bad}).exitCode, 2) << bad;
  }
  EXPECT_EQ(Parse({"--clock"}).exitCode, 2);
  EXPECT_EQ(Parse({"extra"}).exitCode, 2);
  const LaunchRequest help = Parse({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.message.contains("--clock <HH:MM[:SS]>"));
  EXPECT_FALSE(help.message.contains("screenshot"));
}

}  // namespace
}  // namespace quendal::test
