// The test double as an out-of-process server, started by COM from its LocalServer32 key.
//   fake_echo_server /RegServer --state STATE   registers it for this user with that
//                      state file, and its type library for the standard marshaller
//   fake_echo_server /UnregServer               removes both
//   fake_echo_server --state STATE -Embedding   serves (how COM starts it)
// Serving, it writes its process id to STATE.pid and ends when its last object is
// released, or after 20 s without one. Its class object is for one use, so every object
// has a server process of its own: a test that kills one kills only its own host, and
// wine keeps no registration of a killed server that would stop the next start.
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FakeEchoHost.h"

// In oleaut32 since Vista, but not declared by MinGW's oleauto.h.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpFolder);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor,
                                                   LCID lcid, SYSKIND kind);

namespace {

using namespace quendal::fake_echo;

// The type library's id in FakeEchoHost.idl.
const wchar_t kLibraryId[] = L"{5B0C8E3E-2F7A-4C55-9E61-3A8D7B2C4F10}";

std::wstring ClassKey() {
  wchar_t clsid[64];
  StringFromGUID2(EchoClass(), clsid, 64);
  return std::wstring(L"Software\\Classes\\CLSID\\") + clsid;
}

// Windows looks up a user's classes under HKCU first; wine reads only the machine's
// (HKLM), where a user without administrator rights cannot write. Both, where allowed.
const HKEY kClassRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

std::wstring ThisExecutable() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

bool SetDefaultValue(HKEY root, const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const bool ok =
      RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     bytes) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return ok;
}

int Register(const std::wstring& statePath) {
  const std::wstring exe = ThisExecutable();
  const std::wstring command = L"\"" + exe + L"\" --state \"" + statePath + L"\"";
  bool registered = false;
  for (HKEY root : kClassRoots) {
    registered = (SetDefaultValue(root, ClassKey(), L"Quendal test double of the host") &&
                  SetDefaultValue(root, ClassKey() + L"\\LocalServer32", command)) ||
                 registered;
  }
  if (!registered) return 2;
  ITypeLib* library = nullptr;
  if (FAILED(LoadTypeLibEx(exe.c_str(), REGKIND_NONE, &library))) return 3;
  const HRESULT result =
      RegisterTypeLibForUser(library, const_cast<wchar_t*>(exe.c_str()), nullptr);
  library->Release();
  return SUCCEEDED(result) ? 0 : 4;
}

int Unregister() {
  for (HKEY root : kClassRoots) RegDeleteTreeW(root, ClassKey().c_str());
  GUID library{};
  CLSIDFromString(kLibraryId, &library);
  UnRegisterTypeLibForUser(library, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
  return 0;
}

DWORD mainThread = 0;

void Quit() { PostThreadMessageW(mainThread, WM_QUIT, 0, 0); }

int Serve(const std::wstring& statePath) {
  mainThread = GetCurrentThreadId();
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 5;
  {
    std::ofstream pid(std::filesystem::path(statePath + L".pid"), std::ios::trunc);
    pid << GetCurrentProcessId() << '\n';
  }
  IClassFactory* factory = NewClassFactory(statePath);
  DWORD cookie = 0;
  if (factory == nullptr || FAILED(CoRegisterClassObject(EchoClass(), factory, CLSCTX_LOCAL_SERVER,
                                                         REGCLS_SINGLEUSE, &cookie))) {
    CoUninitialize();
    return 6;
  }
  OnIdle(&Quit);
  SetTimer(nullptr, 0, 20000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr && Outstanding() == 0) break;
    DispatchMessageW(&message);
  }
  CoRevokeClassObject(cookie);
  factory->Release();
  CoUninitialize();
  return 0;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return 1;
  std::wstring mode;
  std::wstring statePath;
  for (int i = 1; i < count; ++i) {
    const std::wstring argument = arguments[i];
    if (argument == L"--state" && i + 1 < count) {
      statePath = arguments[++i];
    } else if (mode.empty()) {
      mode = argument;
    }
  }
  LocalFree(arguments);
  const auto is = [&](const wchar_t* name) {
    return (mode.size() > 1 && (mode[0] == L'/' || mode[0] == L'-') &&
            lstrcmpiW(mode.c_str() + 1, name) == 0);
  };
  if (is(L"RegServer") && !statePath.empty()) return Register(statePath);
  if (is(L"UnregServer")) return Unregister();
  if (is(L"Embedding") && !statePath.empty()) return Serve(statePath);
  return 1;
}
