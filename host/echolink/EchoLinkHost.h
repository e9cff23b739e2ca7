#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "host/HostObject.h"
#include "host/echolink/ComWorker.h"

namespace quendal {

// How long the link waits for the host. It normally answers in well under a millisecond;
// a call's deadline leaves room for a machine under load, and is short enough that the
// window's clock and ticks go on within a second when the host hangs.
struct ComLinkTimes {
  std::chrono::milliseconds call{500};
  // Making the object at start, which may start the host program.
  std::chrono::milliseconds start{10000};
  // Taking the object of a host found running again.
  std::chrono::milliseconds attach{1000};
  // While the host is gone, how often to look for it.
  std::chrono::milliseconds lookEvery{5000};
};

// The host program's automation object reached through COM, on a thread of its own
// (echolink::ComWorker). Every failing call answers nullopt or false. A call answered as
// "server gone", or not answered by its deadline, marks the host gone: calls then fail at
// once, and at most every `lookEvery` one of them first looks for a running host's server
// and takes its object again. That look never starts the host: an operator who closed it
// wants it closed. A host still hanging is not looked for until its stuck call has ended.
//
// A switch it turned on is turned off again when the object goes, so a program that ends
// without unkeying does not leave the host transmitting.
class EchoLinkHost final : public HostObject {
 public:
  EchoLinkHost(std::unique_ptr<echolink::ComWorker> worker, echolink::ComMaker make,
               std::function<bool()> hostRunning, ComLinkTimes times);
  ~EchoLinkHost() override;
  EchoLinkHost(const EchoLinkHost&) = delete;
  EchoLinkHost& operator=(const EchoLinkHost&) = delete;

  std::optional<bool> RadioReceiving() override;
  std::optional<bool> InternetReceiving() override;
  std::optional<std::int32_t> ConnectedCount() override;
  bool SetRfTransmit(bool on) override;
  bool SetIpTransmit(bool on) override;
  // `path` is UTF-8; the host receives it as UTF-16.
  bool PlayAudioFile(const std::string& path, bool flag) override;
  bool Reachable() const override { return !gone_; }

  // True while the host is gone and not yet found again.
  bool HostGone() const { return gone_; }

 private:
  std::optional<echolink::ComAnswer> Ask(echolink::ComCall call);
  bool Reattach();
  void MarkGone();
  std::optional<bool> ReadFlag(HRESULT (*read)(echolink::IEchoAutomation&, VARIANT_BOOL*));
  bool Switch(bool on, bool& asked, HRESULT (*write)(echolink::IEchoAutomation&, VARIANT_BOOL));

  std::unique_ptr<echolink::ComWorker> worker_;
  echolink::ComMaker make_;
  std::function<bool()> hostRunning_;
  ComLinkTimes times_;
  bool gone_ = false;
  std::chrono::steady_clock::time_point lastLook_;
  // Asked on and not yet seen off, whether or not the host said it took the request.
  bool rfOn_ = false;
  bool ipOn_ = false;
};

// Makes the host's object with CoCreateInstance (in-process or out-of-process server
// alike).
HRESULT CreateEchoObject(echolink::IEchoAutomation** object);

class EchoLinkHostFactory final : public HostFactory {
 public:
  explicit EchoLinkHostFactory(ComLinkTimes times = {}, echolink::ComMaker make = CreateEchoObject,
                               std::function<bool()> hostRunning = nullptr);

  // nullptr when the object cannot be made in time (host not installed or not
  // registered, the server failed to start or does not answer).
  std::shared_ptr<HostObject> Create() override;

 private:
  ComLinkTimes times_;
  echolink::ComMaker make_;
  std::function<bool()> hostRunning_;
};

}  // namespace quendal
