// A program that keys through its guarded link and waits to be killed:
// guard_key_probe STATE. Its own link reaches the host's double in this process (in the
// multithreaded apartment, the link's), logging to STATE.log; the guard's release comes
// through an object of the guard's own.
#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include "guard/GuardedHostFactory.h"
#include "tests/support/FakeEchoHost.h"

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 2) return 2;
  if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 3;
  DWORD cookie = 0;
  CoRegisterClassObject(quendal::test::fake_echo::EchoClass(),
                        quendal::test::fake_echo::NewClassFactory(arguments[1]),
                        CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
  const auto link =
      quendal::guard::GuardedHostFactory(*quendal::ParseHostChoice("echolink"), nullptr).Create();
  if (!link || !link->SetRfTransmit(true)) return 1;
  Sleep(INFINITE);
}
