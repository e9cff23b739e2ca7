#include "host/rigctld/RigctldHost.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>
#include <tuple>

#include "host/rigctld/TransmitterRelease.h"
#include "tests/support/RigctldDaemons.h"

namespace quendal::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class RigctldHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RealRigctld::Available()) GTEST_SKIP() << "rigctld is not installed (libhamlib-utils)";
    ASSERT_TRUE(daemon_.Start()) << "rigctld did not start";
  }
  RigctldAddress Address() const { return {"127.0.0.1", daemon_.Port()}; }

  RealRigctld daemon_;
};

// Against hamlib's own daemon: the squelch, PTT both ways, no call that hangs or reports
// success while the daemon is away, a link that reconnects once it is back, and the
// release when the link goes.
TEST_F(RigctldHostTest, drivesTheDummyRigAndReconnectsWhenTheDaemonIsBack) {
  {
    RigctldHost host(Address());
    EXPECT_EQ(host.RadioReceiving(), false) << "the dummy rig's squelch is closed";
    ASSERT_TRUE(host.SetRfTransmit(true));
    EXPECT_EQ(daemon_.Ptt(), "1");
    ASSERT_TRUE(host.SetRfTransmit(false));
    EXPECT_EQ(daemon_.Ptt(), "0");
    ASSERT_TRUE(host.SetRfTransmit(true));
    daemon_.Stop();
    const auto started = Clock::now();
    EXPECT_FALSE(host.SetRfTransmit(false));
    EXPECT_EQ(host.RadioReceiving(), std::nullopt);
    EXPECT_LT(Clock::now() - started, RigctldHost::kDefaultDeadline);
    ASSERT_TRUE(daemon_.Start());
    EXPECT_TRUE(host.SetRfTransmit(true));
    EXPECT_EQ(daemon_.Ptt(), "1");
  }
  EXPECT_EQ(daemon_.Ptt(), "0") << "released when the link goes";
}

// A daemon misbehaving on the first command in every way a peer can: that call still ends
// within its deadline with the right value or a failure, and the next one answers right.
TEST(RigctldHost, everyCallKeepsItsDeadlineAndItsValueWhateverTheDaemonSends) {
  const auto send = [](int fd, std::string bytes) {
    return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) >= 0;
  };
  const auto reset = [](int& fd) {
    const linger abort{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    ::close(std::exchange(fd, -1));
  };
  const auto wait = [](std::chrono::milliseconds time) { std::this_thread::sleep_for(time); };
  const std::tuple<const char*, std::function<void(int&)>, std::optional<bool>> cases[] = {
      {"split", [&](int fd) { send(fd, "0"), wait(50ms), send(fd, "\r\n"); }, false},
      {"RPRT -1", [&](int fd) { send(fd, "RPRT -1\n"); }, std::nullopt},
      {"garbage", [&](int fd) { send(fd, "\x01\xff?\n"); }, std::nullopt},
      {"partial", [&](int fd) { send(fd, "0"); }, std::nullopt},
      {"silent", [](int) {}, std::nullopt},
      {"slow", [&](int fd) { wait(450ms), send(fd, "0\n"); }, std::nullopt},
      {"reset mid-reply", [&](int& fd) { send(fd, "RP"), reset(fd); }, std::nullopt},
      {"close", [](int fd) { ::shutdown(fd, SHUT_RDWR); }, std::nullopt},
      {"flood",
       [&](int fd) {
         for (int i = 0; i < 3000 && send(fd, std::string(65536, 'x'));) ++i;
       },
       std::nullopt},
      {"long line", [&](int fd) { send(fd, std::string(8192, '0') + "\n"); }, std::nullopt},
      {"late extra line", [&](int fd) { send(fd, "0\n"), wait(50ms), send(fd, "0\n"); }, false},
  };
  for (const auto& [name, act, receiving] : cases) {
    bool acted = false;
    FakeRigctld daemon([&](int& fd, auto&) { return !std::exchange(acted, true) && (act(fd), 1); });
    daemon.squelchOpen = true;  // the answer to every later command
    RigctldHost host({"127.0.0.1", daemon.Port()}, 300ms);
    for (const std::optional<bool> expected : {receiving, std::optional<bool>(true)}) {
      const auto started = Clock::now();
      EXPECT_EQ(host.RadioReceiving(), expected) << name;
      EXPECT_LT(Clock::now() - started, 300ms + 200ms) << name;
      wait(100ms);  // whatever the daemon still sends has come
    }
  }
}

// A key request answered too late may still be in the daemon's queue and key the radio
// after the release that follows it: that release holds only once the radio has said 0 a
// few times over the window, and asks again until then; a radio that cannot say its PTT
// is asked to release on every call for the window. The guard's link, which never keyed,
// releases a program's key the same way. A daemon that leaves every sixth command
// unanswered delays the readings in a row, not for ever.
TEST(RigctldHost, aKeyRequestLeftUnansweredIsReleasedOnlyOnTheRadiosWord) {
  for (const auto& [name, readable, byGuard, stalls] : {std::tuple{"read back", true, false, 0},
                                                        {"unreadable", false, false, 0},
                                                        {"guard", true, true, 0},
                                                        {"stalling", true, false, 6}}) {
    int commands = 0;
    FakeRigctld radio([&](int&, auto&) { return stalls && ++commands % stalls == 0; });
    radio.keyAfterNextRelease = true;
    radio.pttReadable = readable;
    RigctldHost program({"127.0.0.1", radio.Port()}, 300ms, 2s);
    EXPECT_FALSE(program.SetRfTransmit(true));
    radio.keyAfterNextRelease = false;
    if (byGuard) transmitter_release::Disarm();  // the program killed outright
    RigctldHost guard({"127.0.0.1", radio.Port()}, 300ms, 2s);
    RigctldHost& host = byGuard ? guard : program;
    const auto started = Clock::now();
    EXPECT_TRUE(Within(6s, [&] {
      return host.SetRfTransmit(false) || (std::this_thread::sleep_for(200ms), false);
    }));
    EXPECT_GE(Clock::now() - started, 2s) << name;
    EXPECT_FALSE(radio.ptt) << name;
    EXPECT_GE(radio.releaseRequests, 2) << name << ": asked again after the late key";
  }
}

// The release on the way out: a connection the daemon drops unanswered is worth a second
// one (rigctld 4.5 can kill a fresh connection while closing another); a refusal is final.
TEST(TransmitterRelease, sendsADroppedReleaseOnceMoreButTakesARefusalAsFinal) {
  for (const std::string firstAnswer : {"", "RPRT -1\n"}) {
    std::atomic<int> releases{0};
    FakeRigctld daemon([&](int& fd, const std::string& command) {
      if (command != "T 0" || releases++ > 0) return false;
      if (firstAnswer.empty()) ::close(std::exchange(fd, -1));
      if (!firstAnswer.empty()) ::send(fd, firstAnswer.data(), firstAnswer.size(), MSG_NOSIGNAL);
      return true;
    });
    RigctldHost host({"127.0.0.1", daemon.Port()});
    ASSERT_TRUE(host.SetRfTransmit(true));  // armed at the daemon's address
    EXPECT_EQ(transmitter_release::ReleaseNow(), firstAnswer.empty()) << firstAnswer;
    EXPECT_EQ(releases, firstAnswer.empty() ? 2 : 1) << firstAnswer;
  }
}

// The rest of the address forms, resolved, are the command line's.
TEST(RigctldHost, parsesHostAndPort) {
  EXPECT_EQ(FormatRigctldAddress(*ParseRigctldAddress("radio.local")), "radio.local:4532");
  EXPECT_EQ(FormatRigctldAddress(*ParseRigctldAddress("a,b:4600")), "a,b:4600");
  EXPECT_EQ(FormatRigctldAddress(*ParseRigctldAddress(":4600")), "127.0.0.1:4600");
  EXPECT_FALSE(ParseRigctldAddress("host:99999"));
}

}  // namespace
}  // namespace quendal::test
