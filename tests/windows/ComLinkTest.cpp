// The COM link against a test double of the host served in this process and from another
// (its EXE started by COM, every call through the standard marshaller built from its type
// library). The double's function table, its type library and the link's declaration are
// written apart, so a slot that one of them places wrongly shows.
#include <gtest/gtest.h>

#include <objbase.h>
#include <oleauto.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "host/echolink/ComInit.h"
#include "host/echolink/EchoLinkHost.h"
#include "onair/LoggedPlatform.h"
#include "tests/support/FakeEchoHost.h"
#include "tests/support/Fakes.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;
using echolink::ComInit;
using namespace std::chrono_literals;

bool Within(std::chrono::milliseconds limit, const std::function<bool()>& done) {
  for (const auto end = std::chrono::steady_clock::now() + limit; !done(); Sleep(50)) {
    if (std::chrono::steady_clock::now() > end) return false;
  }
  return true;
}

fs::path Beside(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return fs::path(self).parent_path() / name;
}

// Starts a program; its process handle, for the caller to close (null when it did not start).
HANDLE Launch(std::wstring command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                 &process);
  CloseHandle(process.hThread);
  return process.hProcess;
}

// Where COM starts the double's server; an empty command leaves the class unregistered.
// Windows looks up a user's classes under HKCU first; wine reads only the machine's
// (HKLM), where a user without administrator rights cannot write. Both, where allowed.
void SetServerCommand(const std::wstring& command) {
  wchar_t clsid[64];
  StringFromGUID2(fake_echo::EchoClass(), clsid, 64);
  const std::wstring key = std::wstring(L"Software\\Classes\\CLSID\\") + clsid;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    RegDeleteTreeW(root, key.c_str());
    if (command.empty()) continue;
    RegSetKeyValueW(root, (key + L"\\LocalServer32").c_str(), nullptr, REG_SZ, command.c_str(),
                    DWORD((command.size() + 1) * sizeof(wchar_t)));
  }
}

// The double's state file, its registration and the servers it ran, one test's.
class DoubleRig {
 protected:
  void Register() {
    const fs::path exe = Beside(L"fake_echo_server.exe");
    // The type library, in the EXE, for the standard marshaller: registered as the host
    // registers its own, under the entry of the server's own word size.
    ITypeLib* library = nullptr;
    ASSERT_HRESULT_SUCCEEDED(LoadTypeLibEx(exe.c_str(), REGKIND_REGISTER, &library));
    library->Release();
    const std::wstring entry = std::wstring(L"TypeLib\\{5B0C8E3E-2F7A-4C55-9E61-3A8D7B2C4F10}") +
                               (sizeof(void*) == 8 ? L"\\1.0\\0\\win64" : L"\\1.0\\0\\win32");
    ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, entry.c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                           nullptr, nullptr),
              ERROR_SUCCESS)
        << "no entry for this word size";
    command_ = L"\"" + exe.native() + L"\" --state \"" + state_.native() + L"\"";
    SetServerCommand(command_);
  }
  // The calls the double has seen since the last look.
  std::string Calls() {
    const std::string log = ReadBytes(state_.native() + L".log");
    fs::remove(state_.native() + L".log");
    return log;
  }
  std::vector<DWORD> Servers() {
    std::vector<DWORD> pids;
    std::ifstream list(fs::path(state_.native() + L".pid"));
    for (DWORD pid = 0; list >> pid;) pids.push_back(pid);
    return pids;
  }
  // Whether each server the double ran ended by itself; one that did not is ended.
  bool ServersEnded() {
    bool ended = true;
    for (const DWORD pid : Servers()) {
      HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
      if (server == nullptr) continue;
      const bool over = WaitForSingleObject(server, 10000) == WAIT_OBJECT_0;
      if (!over) TerminateProcess(server, 1);
      ended = ended && over;
      CloseHandle(server);
    }
    fs::remove(state_.native() + L".pid");
    return ended;
  }

  ScratchFolder folder_;
  const fs::path state_ = folder_ / "state.txt";
  std::wstring command_;
};

// Makes the double's object in the link's own apartment, as an in-process server would.
echolink::ComMaker InProcessDouble(const fs::path& state) {
  return [state](echolink::IEchoAutomation** object) {
    IClassFactory* factory = fake_echo::NewClassFactory(state.native());
    const HRESULT result = factory->CreateInstance(nullptr, echolink::kEchoInterface,
                                                   reinterpret_cast<void**>(object));
    factory->Release();
    return result;
  };
}

// The link to the double, served out of process or in the link's own apartment.
template <typename Param>
class LinkRig : public DoubleRig, public ::testing::TestWithParam<Param> {
 protected:
  void Attach(bool outOfProcess) {
    WriteBytes(state_, "");
    SetServerCommand({});
    if (outOfProcess) Register();
    auto factory =
        outOfProcess ? EchoLinkHostFactory() : EchoLinkHostFactory({}, InProcessDouble(state_));
    host_ = std::dynamic_pointer_cast<EchoLinkHost>(factory.Create());
    ASSERT_NE(host_, nullptr);
  }
  std::shared_ptr<EchoLinkHost> host_;
};

// Parameter: served out of process. The cases share the registry: one at a time.
class ComLink : public LinkRig<bool> {
 protected:
  void SetUp() override { Attach(GetParam()); }
  void TearDown() override {
    host_.reset();
    EXPECT_TRUE(ObjectsReleased()) << "the double's server did not end";
  }
  bool ObjectsReleased() { return GetParam() ? ServersEnded() : fake_echo::Outstanding() == 0; }
};

// One read is one call, and any value other than False reads as True.
TEST_P(ComLink, readsWhatTheHostAnswers) {
  const auto read = [&](const char* state) {
    WriteBytes(state_, state);
    const auto flag = [](std::optional<bool> value) { return value ? *value ? "1" : "0" : "-"; };
    const auto count = host_->ConnectedCount();
    return flag(host_->RadioReceiving()) + std::string(flag(host_->InternetReceiving())) + " " +
           (count ? std::to_string(*count) : "-");
  };
  EXPECT_EQ(read(""), "00 0");
  EXPECT_EQ(read("RadioReceiving=1\nConnectedCount=3\n"), "10 3");
  EXPECT_EQ(read("RadioReceiving=5\nInternetReceiving=-7\nConnectedCount=-2\n"), "11 -2");
  EXPECT_EQ(read("RadioReceiving=fail\nInternetReceiving=fail\nConnectedCount=fail\n"), "-- -");
  EXPECT_EQ(std::ranges::count(Calls(), '\n'), 12);
  EXPECT_FALSE(host_->HostGone());
}

// Switches arrive as VARIANT_BOOL; a path as the same text, in any script, with no
// terminator counted in the BSTR's length, and bytes that are not UTF-8 as U+FFFD.
TEST_P(ComLink, switchesAndPathsReachTheHostIntact) {
  const std::string path = "C:\\Estação São João\\hora \xF0\x9D\x84\x9E\\hrs09.wav";
  EXPECT_TRUE(host_->SetRfTransmit(true));
  EXPECT_TRUE(host_->SetRfTransmit(false));
  EXPECT_TRUE(host_->SetIpTransmit(true));
  EXPECT_TRUE(host_->PlayAudioFile(path, true));
  EXPECT_TRUE(host_->PlayAudioFile("C:\\a\xFF.wav", false));
  EXPECT_TRUE(host_->SetIpTransmit(false));
  EXPECT_EQ(Calls(), "RfTransmit -1\nRfTransmit 0\nIpTransmit -1\nPlayAudioFile " + path +
                         " -1\nPlayAudioFile C:\\a\xEF\xBF\xBD.wav 0\nIpTransmit 0\n");
}

// An ordinary failure is the one call's; once the host is gone, no call reaches it again.
TEST_P(ComLink, aFailedCallFailsAloneButAGoneHostFailsEveryCallWithoutBeingAsked) {
  WriteBytes(state_, "RfTransmit=fail\nPlayAudioFile=fail\nConnectedCount=fail\n");
  EXPECT_FALSE(host_->SetRfTransmit(false));
  EXPECT_FALSE(host_->PlayAudioFile("C:\\x.wav", true));
  EXPECT_EQ(host_->ConnectedCount(), std::nullopt);
  WriteBytes(state_, "ConnectedCount=1\nRadioReceiving=gone\n");
  EXPECT_EQ(host_->ConnectedCount(), 1);
  EXPECT_FALSE(host_->HostGone());
  EXPECT_EQ(host_->RadioReceiving(), std::nullopt);
  EXPECT_TRUE(host_->HostGone());
  EXPECT_EQ(std::ranges::count(Calls(), '\n'), 5);
  WriteBytes(state_, "");
  EXPECT_FALSE(host_->RadioReceiving() || host_->InternetReceiving() || host_->ConnectedCount() ||
               host_->SetRfTransmit(false) || host_->SetIpTransmit(false) ||
               host_->PlayAudioFile("C:\\x.wav", true));
  EXPECT_EQ(Calls(), "");
}

// A switch asked on, even when the host refused, and not seen off is turned off when the
// link goes, which gives back its one reference; one already off is left alone.
TEST_P(ComLink, theLinkSwitchesOffWhatItLeftOnAndLetsTheObjectGo) {
  EXPECT_TRUE(host_->SetRfTransmit(true));
  WriteBytes(state_, "IpTransmit=fail\n");
  EXPECT_FALSE(host_->SetIpTransmit(true));
  EXPECT_FALSE(host_->SetIpTransmit(false));
  WriteBytes(state_, "");
  EXPECT_TRUE(host_->SetRfTransmit(false));
  EXPECT_TRUE(host_->SetRfTransmit(true));
  host_.reset();
  EXPECT_TRUE(ObjectsReleased());
  EXPECT_EQ(Calls(),
            "RfTransmit -1\nIpTransmit -1\nIpTransmit 0\nRfTransmit 0\nRfTransmit -1\n"
            "RfTransmit 0\nIpTransmit 0\n");
}

// No object without the host's class, whatever the caller's apartment: the link makes
// its object in one of its own.
TEST_P(ComLink, noHostWithoutItsClass) {
  std::thread([&] { EXPECT_EQ(EchoLinkHostFactory().Create() != nullptr, GetParam()); }).join();
  SetServerCommand({});
  EXPECT_EQ(EchoLinkHostFactory().Create(), nullptr);
}

// A program killed keyed leaves its guard to release, through an object of the guard's
// own (twice: a key request still queued behind the first release is caught by the
// second). The program's own object is in its process. The time-out's timing is the
// shared guard loop's, tested on a steady clock of the test's own.
TEST_P(ComLink, theGuardReleasesAKilledProgramsTransmitter) {
  if (!GetParam()) return;
  const auto logIs = [&](const char* calls) {
    return [this, calls] { return ReadBytes(state_.native() + L".log") == calls; };
  };
  const HANDLE probe =
      Launch(L"\"" + Beside(L"guard_key_probe.exe").native() + L"\" \"" + state_.native() + L"\"");
  ASSERT_NE(probe, nullptr);
  const bool keyed = Within(20s, logIs("RfTransmit -1\n"));
  TerminateProcess(probe, 9);
  CloseHandle(probe);
  ASSERT_TRUE(keyed);
  EXPECT_TRUE(Within(10s, logIs("RfTransmit -1\nRfTransmit 0\nRfTransmit 0\n"))) << Calls();
}

INSTANTIATE_TEST_SUITE_P(Served, ComLink, ::testing::Bool(), [](const auto& outOfProcess) {
  return outOfProcess.param ? "outOfProcess" : "inProcess";
});

// What the host program does to a link that has keyed for an announcement.
struct HostFault {
  const char* name;
  const char* state;        // the double's answers from the fault on; "kill" ends its process
  bool operatorStartsHost;  // the operator starts the host again, after the first release
};

// The link keys, the host fails, and the ticks go on: a release at once, then a read of the
// lights and the release again each second. The first fails by its deadline, the rest at
// once, the lights read nothing (green); no host starts but by the operator, none is
// looked for while a call hangs in it; one started again confirms the release and keys.
class HostFaults : public LinkRig<HostFault> {
 protected:
  void SetUp() override { Attach(true); }
  void TearDown() override {
    host_.reset();
    ServersEnded();
  }
};

TEST_P(HostFaults, theLinkGoesOnAndComesBackOnlyToARunningHost) {
  const HostFault& fault = GetParam();
  std::ostringstream aired;  // the on-air log
  FakeClock clock;
  onair::OnAirLog log(clock, &aired);
  onair::LoggedHost link(host_, log, "");
  ASSERT_TRUE(link.SetRfTransmit(true));
  if (std::string(fault.state) == "kill") {
    HANDLE server = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, Servers().back());
    ASSERT_TRUE(TerminateProcess(server, 9));
    WaitForSingleObject(server, 10000);
    CloseHandle(server);
  } else {
    WriteBytes(state_, fault.state);
  }
  auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(link.SetRfTransmit(false));
  EXPECT_LT(std::chrono::steady_clock::now() - started, 1500ms) << "the deadline";
  WriteBytes(state_, "");
  if (fault.operatorStartsHost) CloseHandle(Launch(command_ + L" -Embedding"));  // not by COM
  Calls();
  bool confirmed = false;
  for (int tick = 0; tick < 8 && !confirmed; ++tick) {
    Sleep(1000);
    started = std::chrono::steady_clock::now();
    const std::optional<bool> light = link.RadioReceiving();
    confirmed = link.SetRfTransmit(false);
    EXPECT_EQ(light.has_value(), confirmed);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1500ms) << "tick " << tick;
  }
  EXPECT_EQ(confirmed, fault.operatorStartsHost);
  EXPECT_EQ(Servers().size(), fault.operatorStartsHost ? 2U : 1U) << "a host was started";
  EXPECT_EQ(link.SetRfTransmit(true), confirmed) << "the next announcement";
  // Only the link's own lines, gone and back, hold an H.
  EXPECT_EQ(std::ranges::count(aired.str(), 'H'), confirmed ? 2 : 1) << aired.str();
  EXPECT_EQ(Calls(), confirmed ? "RadioReceiving\nRfTransmit 0\nRfTransmit -1\n" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, HostFaults,
    ::testing::Values(HostFault{"endedMidAnnouncementThenStartedAgain", "kill", true},
                      HostFault{"endedAndNeverStartedAgain", "kill", false},
                      HostFault{"hangs10sMidAnnouncement", "RfTransmit=hang\n", false}),
    [](const auto& fault) { return std::string(fault.param.name); });

// A thread already in the multithreaded apartment is refused and left in it.
TEST(ComInit, leavesAnotherApartmentAlone) {
  std::thread([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(ComInit().Result(), RPC_E_CHANGED_MODE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
  }).join();
}

}  // namespace
}  // namespace quendal::test
