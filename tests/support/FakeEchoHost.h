#pragma once

// A test double of the host's automation class: the six members at their function-table
// slots in a raw table of functions, sharing no declaration with the link under test;
// every other slot answers E_NOTIMPL. Each call reads the state file anew, one
// `Member=value` a line: a number (0 False, 1 True, any other passed raw), `fail`
// (E_FAIL), `gone` (RPC_E_DISCONNECTED) or `hang` (0 after 10 s); a missing member reads
// 0. Each call is logged, UTF-8, to STATE.log: "RfTransmit -1", "PlayAudioFile C:\a.wav -1".
#include <unknwn.h>
#include <windows.h>

#include <string>

namespace quendal::test::fake_echo {

const CLSID& EchoClass();
IClassFactory* NewClassFactory(std::wstring statePath);
// Objects alive plus server locks; `onIdle` runs when the count comes back to zero.
LONG Outstanding();
void OnIdle(void (*onIdle)());

}  // namespace quendal::test::fake_echo
