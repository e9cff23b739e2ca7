#include "host/rigctld/RigctldHost.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

TEST(RigctldHost, parsesHostAndPort) {
  EXPECT_EQ(ParseRigctldAddress("")->port, 4532);
  EXPECT_EQ(ParseRigctldAddress("radio.local")->host, "radio.local");
  EXPECT_EQ(ParseRigctldAddress("10.1.2.3:4600")->port, 4600);
  EXPECT_EQ(ParseRigctldAddress(":4600")->host, "127.0.0.1");
  for (const char* bad : {"host:0", "host:99999", "host:x"}) {
    EXPECT_FALSE(ParseRigctldAddress(bad)) << bad;
  }
}

}  // namespace
}  // namespace quendal::test
