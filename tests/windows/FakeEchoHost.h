#pragma once

// A test double of the host program's automation class: the dual interface with the six
// members at their function-table slots, built as a raw table of functions so that it
// shares no declaration with the link under test. Every other slot answers E_NOTIMPL.
//
// State file, read anew on every call, one `Name=value` a line:
//   RadioReceiving, InternetReceiving   0 (False), 1 (True) or any other number, passed raw
//   ConnectedCount                      a number
//   any member, the writes included     fail (E_FAIL) or gone (RPC_E_DISCONNECTED)
// Missing names read as 0. Every call is appended, UTF-8, to the state file's name plus
// ".log": "RadioReceiving", "RfTransmit -1", "PlayAudioFile C:\a b.wav -1" (booleans
// as their raw numbers, paths exactly as the BSTR held them).

#include <windows.h>

#include <unknwn.h>

#include <string>

namespace quendal::fake_echo {

// The class and interface as the host's documentation writes them.
const CLSID& EchoClass();
const IID& EchoInterface();

// Where the state file lies: `statePath`, or when that is empty the environment variable
// QUENDAL_FAKE_HOST_STATE, looked up at each call.
IClassFactory* NewClassFactory(std::wstring statePath);

// Objects alive plus LockServer locks. `onIdle` runs on the thread of the release that
// brought the count to zero.
LONG Outstanding();
void OnIdle(void (*onIdle)());

}  // namespace quendal::fake_echo
