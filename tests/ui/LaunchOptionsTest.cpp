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

TEST(LaunchOptionsTest, clockTakesHoursMinutesAndOptionalSeconds) {
  EXPECT_EQ(Parse({}).exitCode, std::nullopt);
  EXPECT_EQ(Parse({}).options.clock, std::nullopt);
  EXPECT_EQ(Parse({"--clock", "14:05"}).options.clock, QTime(14, 5, 0));
  EXPECT_EQ(Parse({"--clock=7:59:58"}).options.clock, QTime(7, 59, 58));
  EXPECT_EQ(Parse({"--clock", "00:00:00"}).options.clock, QTime(0, 0, 0));
}

TEST(LaunchOptionsTest, hostNamesADriverAndItsAddress) {
  EXPECT_EQ(Parse({}).options.host.driver, "sim");
  EXPECT_EQ(Parse({"--host", "sim"}).options.host.driver, "sim");
  const HostChoice local = Parse({"--host", "rigctld"}).options.host;
  EXPECT_EQ(local.driver + "|" + local.address, "rigctld|127.0.0.1:4532");
  // The name is looked up now, once: the running link never waits on a name server.
  const HostChoice remote = Parse({"--host=rigctld=localhost:4600"}).options.host;
  EXPECT_THAT(remote.address, testing::MatchesRegex(".*127.0.0.1.*:4600"));
}

TEST(LaunchOptionsTest, badTimesHostsAndArgumentsStopWithAMessage) {
  for (const char* bad : {"24:00", "14:60", "14:5", "14", "14:05:60", "ab:cd", ""}) {
    const LaunchRequest request = Parse({"--clock", bad});
    EXPECT_EQ(request.exitCode, 2) << bad;
    EXPECT_THAT(request.message.toStdString(), HasSubstr("--clock")) << bad;
  }
  for (const char* bad :
       {"rigctld=host:0", "rigctld=:x", "rigctld=nowhere.invalid", "echolink", "rig", "sim=x"}) {
    EXPECT_EQ(Parse({"--host", bad}).exitCode, 2) << bad;
  }
  EXPECT_EQ(Parse({"--clock"}).exitCode, 2);
  EXPECT_EQ(Parse({"extra"}).exitCode, 2);
}

TEST(LaunchOptionsTest, helpListsThePublicOptionsOnly) {
  const LaunchRequest request = Parse({"--help"});
  EXPECT_EQ(request.exitCode, 0);
  EXPECT_THAT(request.message.toStdString(), HasSubstr("--clock <HH:MM[:SS]>"));
  EXPECT_THAT(request.message.toStdString(), testing::Not(HasSubstr("screenshot")));
  EXPECT_EQ(Parse({"--screenshot", "/tmp/x"}).options.screenshotFolder, "/tmp/x");
}

}  // namespace
}  // namespace quendal::test
