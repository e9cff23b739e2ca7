// However the program ends or the radio answers, the transmitter ends unkeyed: the desktop
// program (with its guard) or the bare link, on a rigctld stand-in that can hold, refuse or
// drop; the guard's time-out fires only for a carrier held past its limit.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "tests/support/RigctldDaemons.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

enum class Way { Exit, Keyed, KeyRequest, ReleaseRefused, ReleaseLost, GuardTimeOut };
struct Case {
  std::string name;
  const char* program;
  int signal;
  Way way;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

constexpr const char* kProgram = QUENDAL_PROGRAM;
constexpr const char* kProbe = RIGCTLD_KEY_PROBE;  // the bare link, with no guard

std::vector<Case> Cases() {
  const std::pair<const char*, int> signals[] = {{"Sigterm", SIGTERM}, {"Sigint", SIGINT},
                                                 {"Sighup", SIGHUP},   {"Sigquit", SIGQUIT},
                                                 {"Sigabrt", SIGABRT}, {"Sigkill", SIGKILL}};
  std::vector<Case> cases = {{"unguardedExit", kProbe, 0, Way::Exit},
                             {"releaseRefused", kProgram, SIGKILL, Way::ReleaseRefused},
                             {"releaseLost", kProgram, SIGKILL, Way::ReleaseLost},
                             {"guardTimeOut", QUENDAL_GUARD, SIGKILL, Way::GuardTimeOut}};
  for (const auto& [name, signal] : signals) {
    for (const Way way : {Way::Keyed, Way::KeyRequest}) {
      const std::string when = way == Way::Keyed ? "Keyed" : "KeyRequest";
      cases.push_back({(way == Way::Keyed ? "keyed" : "keyRequest") + std::string(name), kProgram,
                       signal, way});
      // The link's own release, which covers the signals a process can catch.
      if (signal == SIGTERM || signal == SIGINT || signal == SIGHUP) {
        cases.push_back({"unguarded" + when + name, kProbe, signal, way});
      }
    }
  }
  return cases;
}

pid_t Launch(const Case& c, const fs::path& folder, std::uint16_t port, int input) {
  const std::string host = "rigctld=127.0.0.1:" + std::to_string(port);
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  if (input >= 0) ::dup2(input, STDIN_FILENO);
  const rlimit noCore{0, 0};
  ::setrlimit(RLIMIT_CORE, &noCore);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (::chdir(folder.c_str()) != 0 || !std::freopen("output.txt", "w", stderr)) ::_exit(126);
  ::dup2(STDERR_FILENO, STDOUT_FILENO);
  if (c.program == kProbe) {
    ::execl(c.program, c.program, std::to_string(port).c_str(), c.signal ? "wait" : "exit",
            nullptr);
  } else if (c.way == Way::GuardTimeOut) {
    ::execl(c.program, c.program, "--host", host.c_str(), "--limit", "1", nullptr);
  } else {
    ::execl(c.program, c.program, "--host", host.c_str(), "--clock", "14:00:00", nullptr);
  }
  ::_exit(127);
}

class TransmitterMatrix : public ::testing::TestWithParam<Case> {};

TEST_P(TransmitterMatrix, endsUnkeyedWhateverTheWay) {
  const Case& c = GetParam();
  FakeRigctld radio;
  radio.holdKeyReply = c.way == Way::KeyRequest;
  if (c.way == Way::ReleaseRefused) radio.release = FakeRigctld::Release::Refuse;
  if (c.way == Way::ReleaseLost) radio.release = FakeRigctld::Release::Drop;
  pid_t pid = -1;
  // A case that fails half-way still leaves no program running.
  const auto reap = [](pid_t* child) {
    if (*child > 0 && ::kill(*child, SIGKILL) == 0) ::waitpid(*child, nullptr, 0);
  };
  const std::unique_ptr<pid_t, decltype(reap)> reaper(&pid, reap);
  if (c.way == Way::KeyRequest) radio.onKeyRequest = [&] { ::kill(pid, c.signal); };
  int channel[2] = {-1, -1};  // the guard's parent end, when the test is its parent
  if (c.way == Way::GuardTimeOut) {
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel), 0);
    radio.ptt = true;
    ASSERT_EQ(::write(channel[0], "R", 1), 1);
  }
  const ScratchFolder folder;
  WriteOptions(folder, {Box::Check1, Box::Check4});  // keys one second after its start
  pid = Launch(c, folder.Path(), radio.Port(), channel[1]);
  ::close(channel[1]);
  const auto released = [&] { return !radio.ptt; };
  const auto output = [&] { return ReadBytes(folder / "output.txt"); };

  ASSERT_TRUE(Within(20s, [&] { return radio.keyRequests > 0 || radio.ptt; })) << "never keyed";
  if (c.way == Way::Keyed) std::this_thread::sleep_for(300ms);  // the key taken
  if (c.way == Way::GuardTimeOut) {
    EXPECT_FALSE(Within(800ms, released)) << "timed out early";
    // Its line follows the release: the guard is not killed before writing it.
    Within(5s, [&] { return output().find("keyed for") != std::string::npos; });
  }
  if (c.way == Way::ReleaseRefused || c.way == Way::ReleaseLost) {
    EXPECT_TRUE(Within(20s, [&] { return radio.releaseRequests >= 3; })) << "not asked again";
    EXPECT_TRUE(radio.ptt);
    radio.release = FakeRigctld::Release::Take;
    EXPECT_TRUE(Within(2s, released));  // asked again on the next tick
  }
  if (c.signal && c.way != Way::KeyRequest) ::kill(pid, c.signal);
  ::waitpid(std::exchange(pid, -1), nullptr, 0);
  ::close(channel[0]);
  EXPECT_TRUE(Within(5s, released));
  EXPECT_EQ(output().find("keyed for") != std::string::npos, c.way == Way::GuardTimeOut);
}

INSTANTIATE_TEST_SUITE_P(Ways, TransmitterMatrix, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& c) { return c.param.name; });

}  // namespace
}  // namespace quendal::test
