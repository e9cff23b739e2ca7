// The test double as an in-process server: a DLL whose class factory a test fetches with
// DllGetClassObject and registers in its own process.
#include <objbase.h>

#include "FakeEchoHost.h"

using namespace quendal::fake_echo;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, EchoClass())) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory* factory = NewClassFactory({});
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(iid, object);
  factory->Release();
  return result;
}

STDAPI DllCanUnloadNow() { return Outstanding() == 0 ? S_OK : S_FALSE; }
