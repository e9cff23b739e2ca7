#pragma once

// The host program's automation class and its dual interface, declared here because the
// program binds to the host by function-table position and ships none of its headers.

#include <windows.h>

#include <oaidl.h>

namespace quendal::echolink {

// {D1FB3C9A-BB2D-446A-A74A-E771F134ED56}
inline constexpr CLSID kEchoClass = {
    0xD1FB3C9A, 0xBB2D, 0x446A, {0xA7, 0x4A, 0xE7, 0x71, 0xF1, 0x34, 0xED, 0x56}};
// {7733112C-4577-4432-9DB0-A9398184EAF6}
inline constexpr IID kEchoInterface = {
    0x7733112C, 0x4577, 0x4432, {0x9D, 0xB0, 0xA9, 0x39, 0x81, 0x84, 0xEA, 0xF6}};

// The interface's function table from slot 7 on (0 to 6 are IUnknown and IDispatch).
// Only the six members the program uses carry their real signatures. The `Slot` entries
// hold the other members' places; their signatures are unknown, so they must never be
// called. The order of the declarations below is the binding: moving one moves a slot.
struct IEchoAutomation : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Slot07() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot08() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot09() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot10() = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IpTransmit(VARIANT_BOOL value) = 0;          // 11
  virtual HRESULT STDMETHODCALLTYPE put_RfTransmit(VARIANT_BOOL value) = 0;          // 12
  virtual HRESULT STDMETHODCALLTYPE get_InternetReceiving(VARIANT_BOOL* value) = 0;  // 13
  virtual HRESULT STDMETHODCALLTYPE Slot14() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot15() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RadioReceiving(VARIANT_BOOL* value) = 0;  // 16
  virtual HRESULT STDMETHODCALLTYPE Slot17() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ConnectedCount(long* value) = 0;  // 18
  virtual HRESULT STDMETHODCALLTYPE Slot19() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot20() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot21() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot22() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot23() = 0;
  virtual HRESULT STDMETHODCALLTYPE Slot24() = 0;
  virtual HRESULT STDMETHODCALLTYPE PlayAudioFile(BSTR path, VARIANT_BOOL flag) = 0;  // 25
};

}  // namespace quendal::echolink
