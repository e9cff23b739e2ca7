// The COM link against the test double as an out-of-process server: COM starts the
// double's EXE from its LocalServer32 key, and every call crosses the process boundary
// through the standard marshaller, built from the double's type library. The double's
// function table, its type library and the link's interface declaration are written
// separately, so a slot that one of them places wrongly shows up here.
//
// The cases share the registry and one state folder; CTest runs them one at a time.
#include <gtest/gtest.h>

#include <objbase.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FakeHostFiles.h"
#include "core/StationController.h"
#include "host/echolink/ComInit.h"
#include "host/echolink/EchoLinkHost.h"
#include "support/FakePlatform.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using echolink::ComInit;
using Strings = std::vector<std::string>;
using testing::Calls;
using testing::ClearCalls;
using testing::WriteState;

// Runs the double's EXE with `arguments` and returns its exit code, or -1.
int RunServer(const std::wstring& arguments) {
  const fs::path exe = testing::BesideThisExecutable(L"fake_echo_server.exe");
  std::wstring command = L"\"" + exe.native() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

class OutOfProcessHost : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(com_.Joined());
    fs::create_directories(folder_);
    // A server a previous test left behind still holds the old registration.
    EXPECT_TRUE(ServerEnds(10s)) << "a double from an earlier test did not end";
    std::error_code ignored;
    fs::remove(PidFile(), ignored);
    ClearCalls(state_);
    WriteState(state_, "");
    ASSERT_EQ(RunServer(L"/RegServer --state \"" + state_.native() + L"\""), 0);
  }

  void TearDown() override { EXPECT_TRUE(ServerEnds(10s)); }

  static std::shared_ptr<EchoLinkHost> Link() {
    return std::dynamic_pointer_cast<EchoLinkHost>(EchoLinkHostFactory().Create());
  }

  fs::path PidFile() const { return fs::path(state_.native() + L".pid"); }

  DWORD ServerPid() const {
    DWORD pid = 0;
    std::ifstream(PidFile()) >> pid;
    return pid;
  }

  // True when no double is running or the running one ends within `limit`; one that
  // does not is terminated, so the next test starts clean.
  bool ServerEnds(std::chrono::milliseconds limit) const {
    const DWORD pid = ServerPid();
    if (pid == 0) return true;
    HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    if (server == nullptr) return true;
    const bool ended =
        WaitForSingleObject(server, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(server, 1);
    CloseHandle(server);
    return ended;
  }

  ComInit com_;
  const fs::path folder_ = fs::temp_directory_path() / "quendal-fake-echo-server";
  const fs::path state_ = folder_ / "state.txt";
};

TEST_F(OutOfProcessHost, ReadsTheAnswersOfAHostInAnotherProcess) {
  WriteState(state_, "RadioReceiving=1\nInternetReceiving=0\nConnectedCount=4\n");
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_NE(ServerPid(), 0u);
  EXPECT_NE(ServerPid(), GetCurrentProcessId());
  EXPECT_EQ(host->RadioReceiving(), true);
  EXPECT_EQ(host->InternetReceiving(), false);
  EXPECT_EQ(host->ConnectedCount(), 4);

  WriteState(state_, "RadioReceiving=0\nInternetReceiving=1\nConnectedCount=fail\n");
  EXPECT_EQ(host->RadioReceiving(), false);
  EXPECT_EQ(host->InternetReceiving(), true);
  EXPECT_EQ(host->ConnectedCount(), std::nullopt);
  EXPECT_FALSE(host->HostGone());
}

TEST_F(OutOfProcessHost, SwitchesAndPathsCrossTheProcessBoundaryIntact) {
  const std::string path = "C:\\Estação São João\\hora \xF0\x9D\x84\x9E\\min05.wav";
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(host->SetRfTransmit(true));
  EXPECT_TRUE(host->SetRfTransmit(false));
  EXPECT_TRUE(host->SetIpTransmit(true));
  EXPECT_TRUE(host->PlayAudioFile(path, true));
  EXPECT_TRUE(host->SetIpTransmit(false));
  EXPECT_EQ(Calls(state_), (Strings{"RfTransmit -1", "RfTransmit 0", "IpTransmit -1",
                                    "PlayAudioFile " + path + " -1", "IpTransmit 0"}));
}

// The link holds exactly one reference: when it goes, the host's server may end.
TEST_F(OutOfProcessHost, TheServerEndsWhenTheLinkLetsGo) {
  auto host = Link();
  ASSERT_NE(host, nullptr);
  ASSERT_EQ(host->ConnectedCount(), 0);
  const DWORD pid = ServerPid();
  HANDLE server = OpenProcess(SYNCHRONIZE, FALSE, pid);
  ASSERT_NE(server, nullptr);
  host.reset();
  EXPECT_EQ(WaitForSingleObject(server, 10000), WAIT_OBJECT_0);
  CloseHandle(server);
}

TEST_F(OutOfProcessHost, NoHostWhenItsClassIsNotRegistered) {
  ASSERT_EQ(RunServer(L"/UnregServer"), 0);
  EXPECT_EQ(EchoLinkHostFactory().Create(), nullptr);
  EXPECT_EQ(ServerPid(), 0u);
}

// The controller's time announcement over IP, through the link, as the host sees it.
TEST_F(OutOfProcessHost, AnIpAnnouncementReachesTheHostInOrder) {
  WriteState(state_, "ConnectedCount=1\n");
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  testing::FakePlatform platform(host);
  StationController controller(platform.Make());
  controller.Form_Load();
  ClearCalls(state_);
  controller.hora_ip_Click();
  EXPECT_EQ(Calls(state_),
            (Strings{"RadioReceiving", "InternetReceiving", "ConnectedCount", "RfTransmit 0",
                     "IpTransmit -1", "PlayAudioFile /quendal\\hora\\hrs10.wav -1",
                     "PlayAudioFile /quendal\\hora\\min00.wav -1", "IpTransmit 0"}));
}

// The host's process dies under a live link: every call comes back failed, none hangs,
// and letting the dead object go is safe.
TEST_F(OutOfProcessHost, AHostThatDiesMakesEveryCallFail) {
  auto host = Link();
  ASSERT_NE(host, nullptr);
  ASSERT_EQ(host->ConnectedCount(), 0);
  HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, ServerPid());
  ASSERT_NE(server, nullptr);
  ASSERT_TRUE(TerminateProcess(server, 9));
  ASSERT_EQ(WaitForSingleObject(server, 10000), WAIT_OBJECT_0);
  CloseHandle(server);

  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(host->RadioReceiving(), std::nullopt);
  EXPECT_EQ(host->InternetReceiving(), std::nullopt);
  EXPECT_EQ(host->ConnectedCount(), std::nullopt);
  EXPECT_FALSE(host->SetRfTransmit(true));
  EXPECT_FALSE(host->SetIpTransmit(false));
  EXPECT_FALSE(host->PlayAudioFile("C:\\x.wav", true));
  EXPECT_TRUE(host->HostGone());
  EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
  host.reset();
}

}  // namespace
}  // namespace quendal
