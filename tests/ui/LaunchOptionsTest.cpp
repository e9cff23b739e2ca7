// The command line: the starting time of the clock, the station, help, and what is refused.
#include <gmock/gmock.h>

#include "ui/qt/LaunchOptions.h"

namespace quendal::test {
namespace {

using testing::HasSubstr;

LaunchRequest Parse(QStringList arguments) {
  arguments.prepend("quendal");
  return ParseLaunch(arguments);
}

std::string Station(const QStringList& arguments) {
  const HostChoice host = Parse(arguments).options.host;
  return host.kind == HostChoice::Kind::Simulated
             ? "sim"
             : host.rigctld.host + ":" + std::to_string(host.rigctld.port);
}

TEST(LaunchOptions, clockAndHostChooseTheStartingTimeAndTheStation) {
  EXPECT_EQ(Parse({}).exitCode, std::nullopt);
  EXPECT_EQ(Parse({}).options.clock, std::nullopt);
  EXPECT_EQ(Parse({"--clock", "14:05"}).options.clock, QTime(14, 5, 0));
  EXPECT_EQ(Parse({"--clock=7:59:58"}).options.clock, QTime(7, 59, 58));
  EXPECT_EQ(Station({}), "sim");
  EXPECT_EQ(Station({"--host", "sim"}), "sim");
  EXPECT_EQ(Station({"--host", "rigctld"}), "127.0.0.1:4532");
  EXPECT_EQ(Station({"--host=rigctld=shack.lan:4600"}), "shack.lan:4600");
  EXPECT_EQ(Parse({"--screenshot", "/tmp/x"}).options.screenshotFolder, "/tmp/x");
}

TEST(LaunchOptions, badTimesHostsAndArgumentsStopWithAMessageAndHelpShowsThePublicOptions) {
  for (const char* bad : {"24:00", "14:60", "14:5", "14", "14:05:60", "ab:cd", ""}) {
    EXPECT_EQ(Parse({"--clock", bad}).exitCode, 2) << bad;
    EXPECT_THAT(Parse({"--clock", bad}).message.toStdString(), HasSubstr("--clock")) << bad;
  }
  for (const char* bad :
       {"rigctld=host:0", "rigctld=:x", "rigctld=nowhere.invalid", "echolink", "rig", "sim=x"}) {
    EXPECT_EQ(Parse({"--host", bad}).exitCode, 2) << bad;
  }
  EXPECT_EQ(Parse({"--clock"}).exitCode, 2);
  EXPECT_EQ(Parse({"extra"}).exitCode, 2);
  const LaunchRequest help = Parse({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.message.toStdString(), HasSubstr("--clock <HH:MM[:SS]>"));
  EXPECT_THAT(help.message.toStdString(), testing::Not(HasSubstr("screenshot")));
}

}  // namespace
}  // namespace quendal::test
