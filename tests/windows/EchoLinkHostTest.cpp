// The COM link against the test double loaded in-process: the double's DLL hands out its
// class factory, which the test registers for the host's class in this process only, so
// the link's CoCreateInstance finds it with no registry involved.
#include <gtest/gtest.h>

#include <objbase.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "FakeHostFiles.h"
#include "host/echolink/ComInit.h"
#include "host/echolink/EchoLinkHost.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;
using echolink::ComInit;
using Strings = std::vector<std::string>;
using testing::Calls;
using testing::ClearCalls;
using testing::WriteState;

using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

template <typename Function>
Function Export(HMODULE library, const char* name) {
  // Through void(*)(), the one cast between function types that says "I know".
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

class InProcessHost : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(com_.Joined());
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("quendal-echolink-" + std::to_string(GetCurrentProcessId()) + "-" + test->name());
    fs::create_directories(folder_);
    state_ = folder_ / "state.txt";
    WriteState(state_, "");
    SetEnvironmentVariableW(L"QUENDAL_FAKE_HOST_STATE", state_.c_str());

    library_ = LoadLibraryW(testing::BesideThisExecutable(L"fake_echo_host.dll").c_str());
    ASSERT_NE(library_, nullptr);
    const auto get = Export<GetClassObject>(library_, "DllGetClassObject");
    ASSERT_NE(get, nullptr);
    // The link's class id must be the one the double answers to.
    ASSERT_HRESULT_SUCCEEDED(
        get(echolink::kEchoClass, IID_IClassFactory, reinterpret_cast<void**>(&factory_)));
    ASSERT_HRESULT_SUCCEEDED(CoRegisterClassObject(
        echolink::kEchoClass, factory_, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
  }

  void TearDown() override {
    if (cookie_ != 0) CoRevokeClassObject(cookie_);
    if (factory_ != nullptr) factory_->Release();
    if (library_ != nullptr) FreeLibrary(library_);
    SetEnvironmentVariableW(L"QUENDAL_FAKE_HOST_STATE", nullptr);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  static std::shared_ptr<EchoLinkHost> Link() {
    return std::dynamic_pointer_cast<EchoLinkHost>(EchoLinkHostFactory().Create());
  }

  bool DoubleUnloadable() const {
    const auto can = Export<CanUnloadNow>(library_, "DllCanUnloadNow");
    return can != nullptr && can() == S_OK;
  }

  ComInit com_;
  fs::path folder_;
  fs::path state_;
  HMODULE library_ = nullptr;
  IClassFactory* factory_ = nullptr;
  DWORD cookie_ = 0;
};

struct Reading {
  std::string name;
  std::string state;
  std::optional<bool> radio;
  std::optional<bool> internet;
  std::optional<std::int32_t> connected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Reading& entry, std::ostream* out) { *out << entry.name; }

class InProcessReadings : public InProcessHost, public ::testing::WithParamInterface<Reading> {};

// One read is one call, and any value other than False reads as True.
TEST_P(InProcessReadings, ReadsWhatTheHostAnswers) {
  WriteState(state_, GetParam().state);
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->RadioReceiving(), GetParam().radio);
  EXPECT_EQ(host->InternetReceiving(), GetParam().internet);
  EXPECT_EQ(host->ConnectedCount(), GetParam().connected);
  EXPECT_EQ(Calls(state_), (Strings{"RadioReceiving", "InternetReceiving", "ConnectedCount"}));
  EXPECT_FALSE(host->HostGone());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, InProcessReadings,
    ::testing::Values(
        Reading{"Quiet", "RadioReceiving=0\nInternetReceiving=0\nConnectedCount=0\n", false, false,
                0},
        Reading{"RadioAndLinked", "RadioReceiving=1\nInternetReceiving=0\nConnectedCount=3\n", true,
                false, 3},
        Reading{"InternetAndNegativeCount",
                "RadioReceiving=0\nInternetReceiving=1\nConnectedCount=-2\n", false, true, -2},
        Reading{"OtherTruthValues",
                "RadioReceiving=5\nInternetReceiving=-7\nConnectedCount=2147483647\n", true, true,
                2147483647},
        Reading{"Failures", "RadioReceiving=fail\nInternetReceiving=fail\nConnectedCount=fail\n",
                std::nullopt, std::nullopt, std::nullopt}),
    [](const auto& entry) { return entry.param.name; });

TEST_F(InProcessHost, TransmitSwitchesReachTheHostAsVariantBooleans) {
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(host->SetRfTransmit(true));
  EXPECT_TRUE(host->SetRfTransmit(false));
  EXPECT_TRUE(host->SetIpTransmit(true));
  EXPECT_TRUE(host->SetIpTransmit(false));
  EXPECT_EQ(Calls(state_),
            (Strings{"RfTransmit -1", "RfTransmit 0", "IpTransmit -1", "IpTransmit 0"}));
}

// Accents, a character outside the 16-bit plane and a blank: the host gets the same text,
// with no terminator counted in the BSTR's length. Bytes that are not UTF-8 arrive as
// U+FFFD rather than as some other character.
TEST_F(InProcessHost, PlayAudioFileHandsOverTheWholePathAndTheFlag) {
  const std::string path = "C:\\Estação São João\\hora \xF0\x9D\x84\x9E\\hrs09.wav";
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(host->PlayAudioFile(path, true));
  EXPECT_TRUE(host->PlayAudioFile("", true));
  EXPECT_TRUE(host->PlayAudioFile("C:\\a\xFF.wav", false));
  EXPECT_EQ(Calls(state_), (Strings{"PlayAudioFile " + path + " -1", "PlayAudioFile  -1",
                                    "PlayAudioFile C:\\a\xEF\xBF\xBD.wav 0"}));
}

// An ordinary failure is the one call's: the next call is asked again and may succeed.
TEST_F(InProcessHost, AFailedCallIsAFailureValueAndTheNextCallIsAskedAgain) {
  WriteState(state_, "RfTransmit=fail\nIpTransmit=fail\nPlayAudioFile=fail\nConnectedCount=fail\n");
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(host->SetRfTransmit(true));
  EXPECT_FALSE(host->SetIpTransmit(false));
  EXPECT_FALSE(host->PlayAudioFile("C:\\x.wav", true));
  EXPECT_EQ(host->ConnectedCount(), std::nullopt);

  WriteState(state_, "ConnectedCount=1\n");
  EXPECT_EQ(host->ConnectedCount(), 1);
  EXPECT_TRUE(host->SetIpTransmit(false));
  EXPECT_FALSE(host->HostGone());
  EXPECT_EQ(Calls(state_).size(), 6u);
}

// Once the host is gone no call reaches COM again, even if the object would answer.
TEST_F(InProcessHost, AfterTheHostIsGoneEveryCallFailsWithoutAskingIt) {
  WriteState(state_, "RadioReceiving=gone\n");
  const auto host = Link();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->RadioReceiving(), std::nullopt);
  EXPECT_TRUE(host->HostGone());

  WriteState(state_, "");
  EXPECT_EQ(host->RadioReceiving(), std::nullopt);
  EXPECT_EQ(host->InternetReceiving(), std::nullopt);
  EXPECT_EQ(host->ConnectedCount(), std::nullopt);
  EXPECT_FALSE(host->SetRfTransmit(false));
  EXPECT_FALSE(host->SetIpTransmit(false));
  EXPECT_FALSE(host->PlayAudioFile("C:\\x.wav", true));
  EXPECT_EQ(Calls(state_), Strings{"RadioReceiving"});
}

// A switch asked on, even when the host refused, and not seen off is turned off when the
// link goes; one already off is left alone; and the link gives back its one reference.
TEST_F(InProcessHost, TheLinkTurnsOffWhatItLeftOnAndLetsTheObjectGo) {
  {
    const auto host = Link();
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->SetRfTransmit(true));
    WriteState(state_, "IpTransmit=fail\n");
    EXPECT_FALSE(host->SetIpTransmit(true));
    EXPECT_FALSE(host->SetIpTransmit(false));
    WriteState(state_, "");
    ASSERT_FALSE(DoubleUnloadable());
  }
  EXPECT_EQ(Calls(state_), (Strings{"RfTransmit -1", "IpTransmit -1", "IpTransmit 0",
                                    "RfTransmit 0", "IpTransmit 0"}));
  EXPECT_TRUE(DoubleUnloadable());

  ClearCalls(state_);
  {
    const auto host = Link();
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->SetRfTransmit(true));
    EXPECT_TRUE(host->SetRfTransmit(false));
  }
  EXPECT_EQ(Calls(state_), (Strings{"RfTransmit -1", "RfTransmit 0"}));
}

TEST_F(InProcessHost, NoObjectWithoutComOnTheCallingThread) {
  std::shared_ptr<HostObject> created;
  std::thread([&] { created = EchoLinkHostFactory().Create(); }).join();
  EXPECT_EQ(created, nullptr);
}

// A second hold on the same thread nests; a thread already in the multithreaded
// apartment is refused and left in it.
TEST(ComInit, NestsOnItsThreadAndLeavesAnotherApartmentAlone) {
  std::thread([] {
    ComInit outer;
    EXPECT_TRUE(outer.Joined());
    {
      ComInit inner;
      EXPECT_TRUE(inner.Joined());
    }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
  }).join();

  std::thread([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
      ComInit refused;
      EXPECT_FALSE(refused.Joined());
      EXPECT_EQ(refused.Result(), RPC_E_CHANGED_MODE);
    }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
  }).join();
}

}  // namespace
}  // namespace quendal
