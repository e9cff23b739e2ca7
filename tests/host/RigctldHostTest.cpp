#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <tuple>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

#include "RigctldTestSupport.h"
#include "host/rigctld/RigctldHost.h"
#include "support/FakePlatform.h"

namespace quendal {
namespace {

using namespace std::chrono_literals;
using testing::FakeRigctld;
using testing::PttFromSecondConnection;
using testing::RealRigctld;

class WithRealRigctld : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RealRigctld::Available()) GTEST_SKIP() << "rigctld is not installed (libhamlib-utils)";
    ASSERT_TRUE(daemon_.StartOnFreePort()) << "rigctld did not start";
  }
  RigctldAddress Address() const { return {"127.0.0.1", daemon_.Port()}; }

  RealRigctld daemon_;
};

TEST_F(WithRealRigctld, KeysAndReleasesThePtt) {
  RigctldHost host(Address());
  ASSERT_TRUE(host.SetRfTransmit(true));
  EXPECT_EQ(PttFromSecondConnection(daemon_.Port()), "1");
  ASSERT_TRUE(host.SetRfTransmit(false));
  EXPECT_EQ(PttFromSecondConnection(daemon_.Port()), "0");
  EXPECT_EQ(host.InternetReceiving(), false);
  EXPECT_EQ(host.ConnectedCount(), 0);
  EXPECT_FALSE(host.SetIpTransmit(true));
  EXPECT_FALSE(host.PlayAudioFile("/x.wav", true));
}

TEST_F(WithRealRigctld, ReleasesThePttWhenTheLinkGoes) {
  {
    RigctldHost host(Address());
    ASSERT_TRUE(host.SetRfTransmit(true));
  }
  EXPECT_EQ(PttFromSecondConnection(daemon_.Port()), "0");
}

// rigctld dies after the transmitter is keyed and comes back before the announcement
// ends: no call hangs, the sequence runs to its end, and keying works again afterwards.
TEST_F(WithRealRigctld, SurvivesADaemonRestartInTheMiddleOfAnAnnouncement) {
  auto host = std::make_shared<RigctldHost>(Address());
  testing::FakePlatform platform(host);
  platform.onPause = [&](int pause) {
    if (pause == 1) daemon_.Stop();  // after keying, before the minute clip
    if (pause == 2) {
      ASSERT_TRUE(daemon_.Start());
    }
  };
  StationController controller(platform.Make());
  controller.Form_Load();

  const auto started = std::chrono::steady_clock::now();
  controller.hora_rf_Click();
  EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
  EXPECT_EQ(platform.played.size(), 2u);
  EXPECT_EQ(PttFromSecondConnection(daemon_.Port()), "0");

  ASSERT_TRUE(host->SetRfTransmit(true));
  EXPECT_EQ(PttFromSecondConnection(daemon_.Port()), "1");
  ASSERT_TRUE(host->SetRfTransmit(false));
}

TEST(RigctldHost, AnOpenSquelchHoldsTheAnnouncementBack) {
  FakeRigctld daemon;
  daemon.squelchOpen = true;
  auto host = std::make_shared<RigctldHost>(RigctldAddress{"127.0.0.1", daemon.Port()});
  testing::FakePlatform platform(host);
  StationController controller(platform.Make());
  controller.Form_Load();
  controller.hora_rf_Click();
  EXPECT_EQ(daemon.keyRequests, 0);
  EXPECT_TRUE(platform.played.empty());

  daemon.squelchOpen = false;
  controller.hora_rf_Click();
  EXPECT_EQ(daemon.keyRequests, 1);
}

// A daemon misbehaving on the first command in every way a peer can: that call still ends
// within its deadline with the right value or a failure, and the next one answers right.
TEST(RigctldHost, EveryCallKeepsItsDeadlineAndItsValueWhateverTheDaemonSends) {
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
      const auto started = std::chrono::steady_clock::now();
      EXPECT_EQ(host.RadioReceiving(), expected) << name;
      EXPECT_LT(std::chrono::steady_clock::now() - started, 300ms + 200ms) << name;
      wait(100ms);  // whatever the daemon still sends has come
    }
  }
}

TEST(RigctldHost, NoDaemonFailsAtOnceAndRecoversWhenOneComesUp) {
  if (!RealRigctld::Available()) GTEST_SKIP() << "rigctld is not installed (libhamlib-utils)";
  // Tests running side by side may take the free port between our look and the start;
  // then the whole case is tried again on another port.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::uint16_t port = testing::FreePort();
    RigctldHost host({"127.0.0.1", port});
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(host.RadioReceiving(), std::nullopt);
    // A refused connection answers at once; allow a loaded machine some slack.
    EXPECT_LT(std::chrono::steady_clock::now() - started, RigctldHost::kDefaultDeadline);
    RealRigctld daemon(port);
    if (!daemon.Start()) continue;
    EXPECT_TRUE(host.SetRfTransmit(true));
    EXPECT_TRUE(host.SetRfTransmit(false));
    return;
  }
  FAIL() << "rigctld did not start on three free ports";
}

TEST(RigctldAddress, ParsesHostAndPort) {
  EXPECT_EQ(ParseRigctldAddress("")->port, 4532);
  EXPECT_EQ(ParseRigctldAddress("radio.local")->host, "radio.local");
  EXPECT_EQ(ParseRigctldAddress("10.1.2.3:4600")->port, 4600);
  EXPECT_EQ(ParseRigctldAddress(":4600")->host, "127.0.0.1");
  EXPECT_FALSE(ParseRigctldAddress("host:0"));
  EXPECT_FALSE(ParseRigctldAddress("host:99999"));
  EXPECT_FALSE(ParseRigctldAddress("host:x"));
}

}  // namespace
}  // namespace quendal
