#include "tests/support/FakeEchoHost.h"

#include <oleauto.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

namespace quendal::test::fake_echo {
namespace {

std::atomic<LONG> outstanding{0};
std::atomic<void (*)()> idleCallback{nullptr};

void Hold() { ++outstanding; }
void Let() {
  if (--outstanding == 0 && idleCallback.load()) idleCallback.load()();
}

using Entry = void (*)();

struct FakeEcho {
  const Entry* table;  // first, where COM callers look for the function table
  std::atomic<LONG> references;
  std::wstring statePath;

  // Logs the call, then answers as the state file says for `member`: its failure, or
  // S_OK and the number.
  HRESULT Call(const std::string& member, const std::string& logged, long* number) const {
    std::ofstream(std::filesystem::path(statePath + L".log"), std::ios::binary | std::ios::app)
        << logged << '\n';
    std::ifstream state{std::filesystem::path(statePath)};
    std::string value = "0";
    for (std::string line; std::getline(state, line);) {
      if (line.starts_with(member + "=")) value = line.substr(member.size() + 1);
    }
    if (value == "fail") return E_FAIL;
    if (value == "gone") return RPC_E_DISCONNECTED;
    if (value == "hang") Sleep(10000);
    if (number != nullptr) *number = std::strtol(value.c_str(), nullptr, 10);
    return S_OK;
  }
  HRESULT Read(const std::string& member, VARIANT_BOOL* value) const {
    long number = 0;
    const HRESULT result = Call(member, member, &number);
    if (SUCCEEDED(result)) *value = number == 1 ? VARIANT_TRUE : static_cast<VARIANT_BOOL>(number);
    return result;
  }
  HRESULT Write(const std::string& member, VARIANT_BOOL value) const {
    return Call(member, member + " " + std::to_string(value), nullptr);
  }
};

FakeEcho* Self(void* self) { return static_cast<FakeEcho*>(self); }

HRESULT STDMETHODCALLTYPE QueryInterface(void* self, REFIID iid, void** object) {
  static const IID echo = {
      0x7733112C, 0x4577, 0x4432, {0x9D, 0xB0, 0xA9, 0x39, 0x81, 0x84, 0xEA, 0xF6}};
  const bool known =
      IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, echo);
  *object = known ? self : nullptr;
  if (known) ++Self(self)->references;
  return known ? S_OK : E_NOINTERFACE;
}
ULONG STDMETHODCALLTYPE AddRef(void* self) { return ULONG(++Self(self)->references); }
ULONG STDMETHODCALLTYPE Release(void* self) {
  const LONG left = --Self(self)->references;
  if (left == 0) {
    delete Self(self);
    Let();
  }
  return ULONG(left);
}
// IDispatch's four and the members the program does not use: their callers clean the
// stack on x64, so one stand-in serves every signature.
HRESULT STDMETHODCALLTYPE NotImplemented(void*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE PutIpTransmit(void* self, VARIANT_BOOL value) {
  return Self(self)->Write("IpTransmit", value);
}
HRESULT STDMETHODCALLTYPE PutRfTransmit(void* self, VARIANT_BOOL value) {
  return Self(self)->Write("RfTransmit", value);
}
HRESULT STDMETHODCALLTYPE GetInternetReceiving(void* self, VARIANT_BOOL* value) {
  return Self(self)->Read("InternetReceiving", value);
}
HRESULT STDMETHODCALLTYPE GetRadioReceiving(void* self, VARIANT_BOOL* value) {
  return Self(self)->Read("RadioReceiving", value);
}
HRESULT STDMETHODCALLTYPE GetConnectedCount(void* self, long* value) {
  return Self(self)->Call("ConnectedCount", "ConnectedCount", value);
}
HRESULT STDMETHODCALLTYPE PlayAudioFile(void* self, BSTR path, VARIANT_BOOL flag) {
  // SysStringLen, not the terminator: a length that counts a NUL shows in the log.
  const int length = int(SysStringLen(path));
  std::string utf8(WideCharToMultiByte(CP_UTF8, 0, path, length, nullptr, 0, nullptr, nullptr), 0);
  WideCharToMultiByte(CP_UTF8, 0, path, length, utf8.data(), int(utf8.size()), nullptr, nullptr);
  return Self(self)->Call("PlayAudioFile", "PlayAudioFile " + utf8 + " " + std::to_string(flag),
                          nullptr);
}

// Slot numbers as the host's documentation gives them; nothing else fixes them here.
const Entry* Table() {
  static const std::array<Entry, 26> table = [] {
    std::array<Entry, 26> slots{};
    slots.fill(reinterpret_cast<Entry>(&NotImplemented));
    slots[0] = reinterpret_cast<Entry>(&QueryInterface);
    slots[1] = reinterpret_cast<Entry>(&AddRef);
    slots[2] = reinterpret_cast<Entry>(&Release);
    slots[11] = reinterpret_cast<Entry>(&PutIpTransmit);
    slots[12] = reinterpret_cast<Entry>(&PutRfTransmit);
    slots[13] = reinterpret_cast<Entry>(&GetInternetReceiving);
    slots[16] = reinterpret_cast<Entry>(&GetRadioReceiving);
    slots[18] = reinterpret_cast<Entry>(&GetConnectedCount);
    slots[25] = reinterpret_cast<Entry>(&PlayAudioFile);
    return slots;
  }();
  return table.data();
}

// Lives as long as the process and keeps no server alive itself: objects and locks do.
class Factory final : public IClassFactory {
 public:
  explicit Factory(std::wstring statePath) : statePath_(std::move(statePath)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    const bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory);
    *object = known ? static_cast<IClassFactory*>(this) : nullptr;
    if (known) AddRef();
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* echo = new FakeEcho{Table(), {1}, statePath_};
    Hold();
    const HRESULT result = fake_echo::QueryInterface(echo, iid, object);
    fake_echo::Release(echo);
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lock ? Hold() : Let();
    return S_OK;
  }

 private:
  std::wstring statePath_;
};

}  // namespace

// As the host's documentation writes them: {D1FB3C9A-BB2D-446A-A74A-E771F134ED56}.
const CLSID& EchoClass() {
  static const CLSID id = {
      0xD1FB3C9A, 0xBB2D, 0x446A, {0xA7, 0x4A, 0xE7, 0x71, 0xF1, 0x34, 0xED, 0x56}};
  return id;
}

IClassFactory* NewClassFactory(std::wstring statePath) { return new Factory(std::move(statePath)); }

LONG Outstanding() { return outstanding.load(); }

void OnIdle(void (*onIdle)()) { idleCallback = onIdle; }

}  // namespace quendal::test::fake_echo
