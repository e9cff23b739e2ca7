// The command line: the starting time of the clock, the station, help, and what is refused.
#include <gmock/gmock.h>

#include <filesystem>

#include "guard/GuardOptions.h"
#include "launch/LaunchOptions.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

LaunchRequest Parse(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "/usr/bin/quendal");
  return ParseLaunch(arguments);
}

std::string Station(const std::vector<std::string>& arguments) {
  const HostChoice host = Parse(arguments).options.host;
  return host.driver + "|" + host.address;
}

TEST(LaunchOptions, chooseTheStartingTimeAndTheStation) {
  EXPECT_EQ(Parse({}).options.clock, std::nullopt);
  EXPECT_EQ(Parse({"--clock", "14:05"}).options.clock, hours(14) + minutes(5));
  EXPECT_EQ(Parse({"--clock=7:59:58"}).options.clock, hours(7) + minutes(59) + seconds(58));
  EXPECT_EQ(Parse({"--clock", "00:00:00", "--clock", "23:59:59"}).options.clock,
            hours(23) + minutes(59) + seconds(59));
  EXPECT_EQ(Station({"--host", "sim"}), "sim|");
  EXPECT_EQ(Station({}), DefaultHostChoice().driver + "|" + DefaultHostChoice().address);
#ifndef _WIN32
  EXPECT_EQ(Station({"--host", "rigctld"}), "rigctld|127.0.0.1:4532");
  // The name is looked up now, once: the running link never waits on a name server.
  EXPECT_THAT(Station({"--host=rigctld=localhost:4600"}),
              testing::MatchesRegex("rigctld|.*127.0.0.1.*:4600"));
#endif
  EXPECT_EQ(Parse({"--screenshot", "/tmp/x"}).options.screenshotFolder, "/tmp/x");
  const LaunchOptions desk = Parse({"--log", "air.log", "--folder", "."}).options;
  EXPECT_EQ(desk.logFile, "air.log");
  // Absolute (the current folder may change before the clips are looked up), and UTF-8.
  EXPECT_EQ(std::filesystem::u8path(desk.folder), std::filesystem::current_path());
  const ScratchFolder scratch;
  std::filesystem::create_directory(scratch / "Estação");
  EXPECT_EQ(std::filesystem::u8path(
                Parse({"--folder", scratch.Path().string() + "/Estação//"}).options.folder),
            scratch / "Estação");
}

TEST(LaunchOptions, refuseBadTimesStationsAndArgumentsAndHelpShowsThePublicOptions) {
  for (const char* bad : {"24:00", "14:60", "14:5", "14", "14:05:60", "ab:cd", "", "-1:00", "+1:00",
                          "14:05:", "14:05:7", "1:2:3:4"}) {
    EXPECT_EQ(Parse({"--clock", bad}).exitCode, 2) << bad;
    EXPECT_THAT(Parse({"--clock", bad}).message, testing::HasSubstr("--clock")) << bad;
  }
  for (const char* bad : {"rigctld=host:0", "rigctld=:x", "rig", "sim=x"}) {
    EXPECT_EQ(Parse({"--host", bad}).exitCode, 2) << bad;
  }
  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{"--clock"},
                                             {"extra"},
                                             {"--clokc", "14:00"},
                                             {"-x"},
                                             {"--help=yes"},
                                             {"--headless=1"},
                                             {"--log"}}) {
    EXPECT_EQ(Parse(bad).exitCode, 2) << bad.front();
    EXPECT_THAT(Parse(bad).message, testing::HasSubstr("Uso: quendal")) << bad.front();
  }
  for (const char* bad : {"", "/nonexistent/quendal", "/etc/passwd"}) {
    EXPECT_EQ(Parse({"--folder", bad}).exitCode, 2) << bad;
  }
  EXPECT_EQ(Parse({"--log="}).exitCode, 2);
#ifdef _WIN32
  EXPECT_EQ(Parse({"--headless"}).exitCode, 2);  // a window program has no service mode
#else
  EXPECT_THAT(Parse({"-h"}).message, testing::HasSubstr("SIGHUP relê quendal.txt"));
#endif
  const LaunchRequest help = Parse({"-h"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.message, testing::HasSubstr("--clock <HH:MM[:SS]>"));
  EXPECT_THAT(help.message, testing::HasSubstr("--log <ARQUIVO>"));
  EXPECT_THAT(help.message, testing::Not(testing::HasSubstr("screenshot")));
}

// The guard reads its command line by the same rules: nothing unknown, no partial number.
TEST(GuardOptions, takeTheProgramsChoiceAndRefuseWhatTheyDoNotName) {
#ifdef _WIN32
  const std::string real = "echolink";
#else
  const std::string real = "rigctld=127.0.0.1:4532";
#endif
  const std::pair<std::vector<std::string>, long> rows[] = {
      {{"--host", real}, 120'000},
      {{"--host=" + real, "--limit", "30", "--parent", "7"}, 30'000},
      {{"--host", real, "--limit", "30s"}, -1},
      {{"--host", real, "--limit", "0"}, -1},
      {{"--host", real, "--limt", "30"}, -1},
      {{"--host", real, "extra"}, -1},
      {{"--host", "sim"}, -1},
      {{"--limit", "30"}, -1},
  };
  for (auto [words, limitMs] : rows) {
    words.insert(words.begin(), "quendal-guard");
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    const auto options = guard::ParseGuardOptions(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(options ? options->limit.count() : -1, limitMs) << testing::PrintToString(words);
  }
}

}  // namespace
}  // namespace quendal::test
