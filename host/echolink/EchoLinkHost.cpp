#include "host/echolink/EchoLinkHost.h"

#include <climits>
#include <string>

#include <objbase.h>
#include <oleauto.h>

namespace quendal {
namespace {

using echolink::IEchoAutomation;

// The answers that mean the server or its object is no more, rather than one call failing.
bool MeansHostGone(HRESULT result) {
  switch (static_cast<unsigned long>(result)) {
    case 0x80010108UL:  // RPC_E_DISCONNECTED
    case 0x80010007UL:  // RPC_E_SERVER_DIED
    case 0x80010012UL:  // RPC_E_SERVER_DIED_DNE
    case 0x800401FDUL:  // CO_E_OBJNOTCONNECTED
    case 0x800706BAUL:  // RPC_S_SERVER_UNAVAILABLE
    case 0x800706BEUL:  // RPC_S_CALL_FAILED
    case 0x800706BFUL:  // RPC_S_CALL_FAILED_DNE
      return true;
    default:
      return false;
  }
}

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// The UTF-16 copy of a UTF-8 text; bytes that are not UTF-8 become U+FFFD, so the host
// gets a path that names no file rather than someone else's. nullptr when out of memory.
BSTR NewBstr(const std::string& utf8) {
  if (utf8.size() > static_cast<std::size_t>(INT_MAX)) return nullptr;
  const int size = static_cast<int>(utf8.size());
  const int length = size == 0 ? 0 : MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (size != 0 && length == 0) return nullptr;
  BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (text == nullptr) return nullptr;
  if (length != 0 && MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text, length) != length) {
    SysFreeString(text);
    return nullptr;
  }
  return text;
}

}  // namespace

EchoLinkHost::EchoLinkHost(IEchoAutomation* echo) : echo_(echo) {}

EchoLinkHost::~EchoLinkHost() {
  if (rfOn_) SetRfTransmit(false);
  if (ipOn_) SetIpTransmit(false);
  echo_->Release();
}

bool EchoLinkHost::Succeeded(HRESULT result) {
  if (SUCCEEDED(result)) return true;
  if (MeansHostGone(result)) gone_ = true;
  return false;
}

std::optional<bool> EchoLinkHost::RadioReceiving() {
  if (gone_) return std::nullopt;
  VARIANT_BOOL value = VARIANT_FALSE;
  if (!Succeeded(echo_->get_RadioReceiving(&value))) return std::nullopt;
  return value != VARIANT_FALSE;
}

std::optional<bool> EchoLinkHost::InternetReceiving() {
  if (gone_) return std::nullopt;
  VARIANT_BOOL value = VARIANT_FALSE;
  if (!Succeeded(echo_->get_InternetReceiving(&value))) return std::nullopt;
  return value != VARIANT_FALSE;
}

std::optional<std::int32_t> EchoLinkHost::ConnectedCount() {
  if (gone_) return std::nullopt;
  long value = 0;
  if (!Succeeded(echo_->get_ConnectedCount(&value))) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool EchoLinkHost::SetRfTransmit(bool on) {
  if (gone_) return false;
  if (on) rfOn_ = true;
  const bool taken = Succeeded(echo_->put_RfTransmit(ToVariantBool(on)));
  if (!on && taken) rfOn_ = false;
  return taken;
}

bool EchoLinkHost::SetIpTransmit(bool on) {
  if (gone_) return false;
  if (on) ipOn_ = true;
  const bool taken = Succeeded(echo_->put_IpTransmit(ToVariantBool(on)));
  if (!on && taken) ipOn_ = false;
  return taken;
}

bool EchoLinkHost::PlayAudioFile(const std::string& path, bool flag) {
  if (gone_) return false;
  BSTR text = NewBstr(path);
  if (text == nullptr) return false;
  const HRESULT result = echo_->PlayAudioFile(text, ToVariantBool(flag));
  SysFreeString(text);
  return Succeeded(result);
}

std::shared_ptr<HostObject> EchoLinkHostFactory::Create() {
  void* object = nullptr;
  const HRESULT result = CoCreateInstance(echolink::kEchoClass, nullptr, CLSCTX_ALL,
                                          echolink::kEchoInterface, &object);
  if (FAILED(result) || object == nullptr) return nullptr;
  return std::make_shared<EchoLinkHost>(static_cast<IEchoAutomation*>(object));
}

}  // namespace quendal
