#include "host/rigctld/RigctldHost.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "tests/support/RigctldDaemons.h"

namespace quendal::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class RigctldHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RealRigctld::Available()) GTEST_SKIP() << "rigctld is not installed (libhamlib-utils)";
    ASSERT_TRUE(daemon_.StartOnFreePort()) << "rigctld did not start";
  }
  RigctldAddress Address() const { return {"127.0.0.1", daemon_.Port()}; }

  RealRigctld daemon_;
};

TEST_F(RigctldHostTest, readsTheSquelchAndKeysAndReleasesThePtt) {
  {
    RigctldHost host(Address());
    EXPECT_EQ(host.RadioReceiving(), false) << "the dummy rig's squelch is closed";
    ASSERT_TRUE(host.SetRfTransmit(true));
    EXPECT_EQ(daemon_.Ptt(), "1");
    ASSERT_TRUE(host.SetRfTransmit(false));
    EXPECT_EQ(daemon_.Ptt(), "0");
    ASSERT_TRUE(host.SetRfTransmit(true));
  }
  EXPECT_EQ(daemon_.Ptt(), "0") << "released when the link goes";
}

// No call hangs while the daemon is away, and the link reconnects once it is back.
TEST_F(RigctldHostTest, failsAtOnceWithoutADaemonAndReconnectsWhenItIsBack) {
  daemon_.Stop();
  RigctldHost host(Address());
  const auto started = Clock::now();
  EXPECT_EQ(host.RadioReceiving(), std::nullopt);
  EXPECT_LT(Clock::now() - started, RigctldHost::kDefaultDeadline);
  ASSERT_TRUE(daemon_.Start());
  ASSERT_TRUE(host.SetRfTransmit(true));
  daemon_.Stop();
  EXPECT_FALSE(host.SetRfTransmit(false));
  ASSERT_TRUE(daemon_.Start());
  EXPECT_TRUE(host.SetRfTransmit(true));
  EXPECT_EQ(daemon_.Ptt(), "1");
  EXPECT_TRUE(host.SetRfTransmit(false));
}

// A process that keyed the radio and then ends, by returning or by a signal, unkeys it.
TEST_F(RigctldHostTest, releasesThePttWhenTheProcessEndsOrIsSignalled) {
  for (int signal : {0, SIGTERM, SIGINT, SIGHUP}) {
    int keyed[2];
    ASSERT_EQ(::pipe(keyed), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      // Leaked on purpose: the release must not depend on the object being destroyed.
      auto* host = new RigctldHost(Address());
      if (host->SetRfTransmit(true) && ::write(keyed[1], "k", 1) == 1 && signal) ::pause();
      std::exit(0);
    }
    char k = 0;
    ASSERT_EQ(::read(keyed[0], &k, 1), 1) << signal;
    if (signal) {
      EXPECT_EQ(daemon_.Ptt(), "1") << signal;
      ::kill(child, signal);
    }
    ::waitpid(child, nullptr, 0);
    ::close(keyed[0]);
    ::close(keyed[1]);
    // The daemon may still be working through the release on a loaded machine.
    for (int i = 0; i < 20 && daemon_.Ptt() != "0"; ++i) std::this_thread::sleep_for(100ms);
    EXPECT_EQ(daemon_.Ptt(), "0") << "after signal " << signal;
  }
}

TEST(RigctldHost, aDaemonThatDoesNotAnswerCostsOneDeadlineACall) {
  std::uint16_t port = 0;
  const int silent = SilentListener(port);
  RigctldHost host({"127.0.0.1", port}, 300ms);
  const auto started = Clock::now();
  EXPECT_EQ(host.RadioReceiving(), std::nullopt);
  EXPECT_FALSE(host.SetRfTransmit(false));
  EXPECT_GE(Clock::now() - started, 550ms);
  EXPECT_LT(Clock::now() - started, 1500ms);
  ::close(silent);
}

}  // namespace
}  // namespace quendal::test
