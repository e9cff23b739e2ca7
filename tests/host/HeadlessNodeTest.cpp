// The headless node with no display at all, on the rigctld stand-in: the scheduled full
// hour in its on-air log, a message box logged and answered at once, SIGHUP reading the
// options again, SIGTERM ending it unkeyed.
#include <gmock/gmock.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <regex>
#include <sstream>
#include <thread>

#include "tests/support/RigctldDaemons.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

using namespace std::chrono_literals;

// The log's events without their times, each time checked for its form. The line about
// the system clock, which this machine may or may not have synchronised, is no event.
std::vector<std::string> Events(const ScratchFolder& folder) {
  static const std::regex line(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} (.*))");
  std::vector<std::string> events;
  std::istringstream log(ReadBytes(folder / "log.txt"));
  std::smatch match;
  for (std::string text; std::getline(log, text);) {
    if (std::regex_match(text, match, line) && match[1] != "Relógio não sincronizado") {
      events.push_back(match[1]);
    }
  }
  return events;
}

// The node ends with the test, pass or fail, before its folder and its radio go: SIGTERM,
// as its service manager stops it, so it releases the radio and its guard ends with it;
// SIGKILL if it lingers.
struct Node {
  pid_t pid = -1;
  int Stop() {
    int status = 0;
    ::kill(pid, SIGTERM);
    Within(10s, [&] { return ::waitpid(pid, &status, WNOHANG) == pid; }) ||
        (::kill(pid, SIGKILL) == 0 && ::waitpid(pid, &status, 0) == pid);
    pid = -1;
    return status;
  }
  ~Node() {
    if (pid > 0) Stop();
  }
};

TEST(HeadlessNode, announcesTheHourAnswersBoxesAndRereadsOptionsOnHangup) {
  FakeRigctld radio;
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "hora");
  for (const char* clip : {"hora/hrs14.wav", "hora/min00.wav"}) WriteBytes(folder / clip, "");
  WriteOptions(folder, {Box::Check1, Box::Check4});
  Node node;
  const pid_t pid = node.pid = ::fork();
  if (pid == 0) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
    const std::string host = "rigctld=127.0.0.1:" + std::to_string(radio.Port());
    if (::chdir(folder.Path().c_str()) != 0 || !std::freopen("log.txt", "w", stderr)) ::_exit(126);
    ::execl(QUENDAL_PROGRAM, "quendal", "--headless", "--host", host.c_str(), "--clock", "13:59:58",
            "--folder", ".", nullptr);
    ::_exit(127);
  }
  const auto hasEvent = [&](const std::string& event) {
    return [&folder, event] { return testing::Value(Events(folder), testing::Contains(event)); };
  };

  ASSERT_TRUE(Within(15s, hasEvent("RfTransmit False"))) << ReadBytes(folder / "log.txt");
  EXPECT_THAT(
      Events(folder),
      testing::ElementsAre("RfTransmit True", testing::StartsWith("PlaySound hora/hrs14.wav"),
                           testing::StartsWith("PlaySound hora/min00.wav"), "RfTransmit False"));
  EXPECT_THAT(ReadBytes(folder / "log.txt"), testing::HasSubstr("T14:00:01."));
  EXPECT_FALSE(radio.ptt);

  // The automatic temperature with no temperatura.html: the clock refresh's reminder.
  WriteOptions(folder, {Box::Check1, Box::Check4, Box::Check5});
  ::kill(pid, SIGHUP);
  EXPECT_TRUE(Within(5s, hasEvent("MsgBoxClosed OK"))) << ReadBytes(folder / "log.txt");
  EXPECT_THAT(
      Events(folder),
      testing::Contains(testing::MatchesRegex(R"(MsgBox ".*temperatura.html.*" "Quendal")")));

  const int status = node.Stop();
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_FALSE(radio.ptt);
}

}  // namespace
}  // namespace quendal::test
