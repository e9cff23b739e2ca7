#include "FakeEchoHost.h"

#include <oleauto.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>

namespace quendal::fake_echo {
namespace {

std::atomic<LONG> outstanding{0};
std::atomic<void (*)()> idleCallback{nullptr};

void Hold() { ++outstanding; }
void Let() {
  if (--outstanding == 0) {
    if (auto callback = idleCallback.load()) callback();
  }
}

std::string Utf8(const wchar_t* text, int length) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring FromEnvironment() {
  wchar_t buffer[32768];
  const DWORD length = GetEnvironmentVariableW(L"QUENDAL_FAKE_HOST_STATE", buffer, 32768);
  return length > 0 && length < 32768 ? std::wstring(buffer, length) : std::wstring();
}

// ---- The object ---------------------------------------------------------------------

using Entry = void (*)();

struct FakeEcho {
  const Entry* table;  // first, where COM callers look for the function table
  std::atomic<LONG> references;
  std::wstring statePath;

  std::wstring StatePath() const { return statePath.empty() ? FromEnvironment() : statePath; }

  std::map<std::string, std::string> State() const {
    std::map<std::string, std::string> state;
    std::ifstream in{std::filesystem::path(StatePath())};
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const auto equals = line.find('=');
      if (equals != std::string::npos) state[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return state;
  }

  void Log(const std::string& call) const {
    std::ofstream out(std::filesystem::path(StatePath() + L".log"),
                      std::ios::binary | std::ios::app);
    out << call << '\n';
  }

  // The answer the state file sets for `member`: its failure, or S_OK and the number.
  HRESULT Answer(const std::string& member, long* number) const {
    const auto state = State();
    const auto found = state.find(member);
    const std::string value = found == state.end() ? "0" : found->second;
    if (value == "fail") return E_FAIL;
    if (value == "gone") return RPC_E_DISCONNECTED;
    if (number != nullptr) *number = std::strtol(value.c_str(), nullptr, 10);
    return S_OK;
  }

  HRESULT Read(const std::string& member, VARIANT_BOOL* value) const {
    Log(member);
    if (value == nullptr) return E_POINTER;
    long number = 0;
    const HRESULT result = Answer(member, &number);
    if (SUCCEEDED(result)) {
      *value = number == 1 ? VARIANT_TRUE : static_cast<VARIANT_BOOL>(number);
    }
    return result;
  }

  HRESULT Write(const std::string& member, VARIANT_BOOL value) const {
    Log(member + " " + std::to_string(value));
    return Answer(member, nullptr);
  }
};

FakeEcho* Self(void* self) { return static_cast<FakeEcho*>(self); }

HRESULT STDMETHODCALLTYPE QueryInterface(void* self, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, EchoInterface())) {
    ++Self(self)->references;
    *object = self;
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AddRef(void* self) { return static_cast<ULONG>(++Self(self)->references); }

ULONG STDMETHODCALLTYPE Release(void* self) {
  const LONG left = --Self(self)->references;
  if (left == 0) {
    delete Self(self);
    Let();
  }
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE GetTypeInfoCount(void*, UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT STDMETHODCALLTYPE GetTypeInfo(void*, UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE GetIDsOfNames(void*, REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Invoke(void*, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                 EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

// The unused slots. Their real signatures are unknown; nobody must call them.
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
  Self(self)->Log("ConnectedCount");
  if (value == nullptr) return E_POINTER;
  return Self(self)->Answer("ConnectedCount", value);
}
HRESULT STDMETHODCALLTYPE PlayAudioFile(void* self, BSTR path, VARIANT_BOOL flag) {
  // SysStringLen, not the terminator: a length that counts a NUL shows in the log.
  const int length = static_cast<int>(SysStringLen(path));
  Self(self)->Log("PlayAudioFile " + Utf8(path, length) + " " + std::to_string(flag));
  return Self(self)->Answer("PlayAudioFile", nullptr);
}

template <typename Function>
Entry At(Function function) {
  return reinterpret_cast<Entry>(function);
}

// Slot numbers as the host's documentation gives them; nothing else fixes them here.
const Entry* Table() {
  static const std::array<Entry, 26> table = [] {
    std::array<Entry, 26> slots{};
    slots.fill(At(&NotImplemented));
    slots[0] = At(&QueryInterface);
    slots[1] = At(&AddRef);
    slots[2] = At(&Release);
    slots[3] = At(&GetTypeInfoCount);
    slots[4] = At(&GetTypeInfo);
    slots[5] = At(&GetIDsOfNames);
    slots[6] = At(&Invoke);
    slots[11] = At(&PutIpTransmit);
    slots[12] = At(&PutRfTransmit);
    slots[13] = At(&GetInternetReceiving);
    slots[16] = At(&GetRadioReceiving);
    slots[18] = At(&GetConnectedCount);
    slots[25] = At(&PlayAudioFile);
    return slots;
  }();
  return table.data();
}

// ---- The class factory ------------------------------------------------------------

class Factory final : public IClassFactory {
 public:
  // The factory itself keeps no server alive: only objects and locks do.
  explicit Factory(std::wstring statePath) : statePath_(std::move(statePath)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      AddRef();
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* echo = new (std::nothrow) FakeEcho{Table(), {1}, statePath_};
    if (echo == nullptr) return E_OUTOFMEMORY;
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
  std::atomic<LONG> references_{1};
  std::wstring statePath_;
};

GUID Parse(const wchar_t* text) {
  GUID guid{};
  CLSIDFromString(text, &guid);
  return guid;
}

}  // namespace

const CLSID& EchoClass() {
  static const CLSID id = Parse(L"{D1FB3C9A-BB2D-446A-A74A-E771F134ED56}");
  return id;
}

const IID& EchoInterface() {
  static const IID id = Parse(L"{7733112C-4577-4432-9DB0-A9398184EAF6}");
  return id;
}

IClassFactory* NewClassFactory(std::wstring statePath) {
  return new (std::nothrow) Factory(std::move(statePath));
}

LONG Outstanding() { return outstanding.load(); }

void OnIdle(void (*onIdle)()) { idleCallback = onIdle; }

}  // namespace quendal::fake_echo
