#include "host/echolink/EchoLinkHost.h"

#include <climits>
#include <string>
#include <utility>

#include <objbase.h>
#include <oleauto.h>

#include "host/echolink/RunningHost.h"

namespace quendal {
namespace {

using echolink::ComAnswer;
using echolink::ComWorker;
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

EchoLinkHost::EchoLinkHost(std::unique_ptr<ComWorker> worker, echolink::ComMaker make,
                           std::function<bool()> hostRunning, ComLinkTimes times)
    : worker_(std::move(worker)),
      make_(std::move(make)),
      hostRunning_(std::move(hostRunning)),
      times_(times) {}

EchoLinkHost::~EchoLinkHost() {
  if (rfOn_) SetRfTransmit(false);
  if (ipOn_) SetIpTransmit(false);
}

std::optional<ComAnswer> EchoLinkHost::Ask(echolink::ComCall call) {
  if (gone_ && !Reattach()) return std::nullopt;
  const std::optional<ComAnswer> answer = worker_->Call(std::move(call), times_.call);
  if (!answer || MeansHostGone(answer->result)) {
    MarkGone();
    return std::nullopt;
  }
  return answer;
}

void EchoLinkHost::MarkGone() {
  gone_ = true;
  lastLook_ = std::chrono::steady_clock::now();
}

bool EchoLinkHost::Reattach() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastLook_ < times_.lookEvery) return false;
  lastLook_ = now;
  if (ComWorker::StillStuck() > 0 || !hostRunning_()) return false;
  std::unique_ptr<ComWorker> worker = ComWorker::Start(make_, times_.attach);
  if (!worker) return false;
  worker_ = std::move(worker);
  gone_ = false;
  return true;
}

std::optional<bool> EchoLinkHost::ReadFlag(HRESULT (*read)(IEchoAutomation&, VARIANT_BOOL*)) {
  const std::optional<ComAnswer> answer = Ask([read](IEchoAutomation& echo) {
    VARIANT_BOOL value = VARIANT_FALSE;
    const HRESULT result = read(echo, &value);
    return ComAnswer{result, value};
  });
  if (!answer || FAILED(answer->result)) return std::nullopt;
  return answer->value != VARIANT_FALSE;
}

std::optional<bool> EchoLinkHost::RadioReceiving() {
  return ReadFlag(
      [](IEchoAutomation& echo, VARIANT_BOOL* value) { return echo.get_RadioReceiving(value); });
}

std::optional<bool> EchoLinkHost::InternetReceiving() {
  return ReadFlag(
      [](IEchoAutomation& echo, VARIANT_BOOL* value) { return echo.get_InternetReceiving(value); });
}

std::optional<std::int32_t> EchoLinkHost::ConnectedCount() {
  const std::optional<ComAnswer> answer = Ask([](IEchoAutomation& echo) {
    long value = 0;
    const HRESULT result = echo.get_ConnectedCount(&value);
    return ComAnswer{result, value};
  });
  if (!answer || FAILED(answer->result)) return std::nullopt;
  return static_cast<std::int32_t>(answer->value);
}

bool EchoLinkHost::Switch(bool on, bool& asked, HRESULT (*write)(IEchoAutomation&, VARIANT_BOOL)) {
  if (on) asked = true;
  const std::optional<ComAnswer> answer =
      Ask([on, write](IEchoAutomation& echo) { return ComAnswer{write(echo, ToVariantBool(on))}; });
  const bool taken = answer && SUCCEEDED(answer->result);
  if (!on && taken) asked = false;
  return taken;
}

bool EchoLinkHost::SetRfTransmit(bool on) {
  return Switch(on, rfOn_, [](IEchoAutomation& echo, VARIANT_BOOL value) {
    return echo.put_RfTransmit(value);
  });
}

bool EchoLinkHost::SetIpTransmit(bool on) {
  return Switch(on, ipOn_, [](IEchoAutomation& echo, VARIANT_BOOL value) {
    return echo.put_IpTransmit(value);
  });
}

// The path travels as UTF-8 and becomes a BSTR on the worker's thread, which owns it for
// the call's life even when the call outlives its deadline.
bool EchoLinkHost::PlayAudioFile(const std::string& path, bool flag) {
  const std::optional<ComAnswer> answer = Ask([path, flag](IEchoAutomation& echo) {
    BSTR text = NewBstr(path);
    if (text == nullptr) return ComAnswer{E_OUTOFMEMORY};
    const HRESULT result = echo.PlayAudioFile(text, ToVariantBool(flag));
    SysFreeString(text);
    return ComAnswer{result};
  });
  return answer && SUCCEEDED(answer->result);
}

HRESULT CreateEchoObject(IEchoAutomation** object) {
  return CoCreateInstance(echolink::kEchoClass, nullptr, CLSCTX_ALL, echolink::kEchoInterface,
                          reinterpret_cast<void**>(object));
}

EchoLinkHostFactory::EchoLinkHostFactory(ComLinkTimes times, echolink::ComMaker make,
                                         std::function<bool()> hostRunning)
    : times_(times),
      make_(std::move(make)),
      hostRunning_(hostRunning ? std::move(hostRunning) : echolink::HostServerRunning) {}

std::shared_ptr<HostObject> EchoLinkHostFactory::Create() {
  std::unique_ptr<ComWorker> worker = ComWorker::Start(make_, times_.start);
  if (!worker) return nullptr;
  return std::make_shared<EchoLinkHost>(std::move(worker), make_, hostRunning_, times_);
}

}  // namespace quendal
