#pragma once

#include <memory>

#include "host/HostObject.h"
#include "host/echolink/EchoAutomation.h"

namespace quendal {

// The host program's automation object reached through COM. Every failing call answers
// nullopt or false. Once a call finds the host gone (its process ended or its object was
// disconnected) every later call fails at once without reaching COM, since a proxy to a
// vanished server never works again.
//
// Use it only on the thread that created it, inside that thread's ComInit. A switch it
// turned on is turned off again when the object goes, so a program that ends without
// unkeying does not leave the host transmitting.
class EchoLinkHost final : public HostObject {
 public:
  // Takes over one reference to `echo`, which must not be null.
  explicit EchoLinkHost(echolink::IEchoAutomation* echo);
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

  // True once a call has found the host gone.
  bool HostGone() const { return gone_; }

 private:
  bool Succeeded(HRESULT result);

  echolink::IEchoAutomation* echo_;
  bool gone_ = false;
  // Asked on and not yet seen off, whether or not the host said it took the request.
  bool rfOn_ = false;
  bool ipOn_ = false;
};

// Creates the host's object with CoCreateInstance (in-process or out-of-process
// server alike). Call on the thread that holds the ComInit.
class EchoLinkHostFactory final : public HostFactory {
 public:
  // nullptr when the object cannot be created (host not installed or not registered, COM
  // not initialised on this thread, the server failed to start).
  std::shared_ptr<HostObject> Create() override;
};

}  // namespace quendal
