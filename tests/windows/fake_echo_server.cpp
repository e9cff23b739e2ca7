// The test double as an out-of-process server, as COM starts it from the LocalServer32
// key the test writes: fake_echo_server --state STATE -Embedding. It writes its process
// id to STATE.pid (a line for each server) and ends when its last object is released, or after 20 s
// without one. Its class object is for one use, so every object has a server process of its own: a
// test that kills one kills only its own host.
#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "tests/support/FakeEchoHost.h"

using namespace quendal::test::fake_echo;

DWORD mainThread = 0;

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 3 || std::wstring(arguments[1]) != L"--state") return 1;
  const std::wstring statePath = arguments[2];
  LocalFree(arguments);
  mainThread = GetCurrentThreadId();
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  std::ofstream(std::filesystem::path(statePath + L".pid"), std::ios::app)
      << GetCurrentProcessId() << '\n';
  IClassFactory* factory = NewClassFactory(statePath);
  DWORD cookie = 0;
  if (FAILED(CoRegisterClassObject(EchoClass(), factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE,
                                   &cookie))) {
    return 3;
  }
  OnIdle([] { PostThreadMessageW(mainThread, WM_QUIT, 0, 0); });
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
