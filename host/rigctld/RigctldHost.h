#pragma once

#include <chrono>

#include "host/HostObject.h"
#include "host/rigctld/RigctldConnection.h"

namespace quendal {

// A radio driven through hamlib's rigctld: RfTransmit keys PTT ("T 1" / "T 0") and
// RadioReceiving is the squelch ("\get_dcd": open means receiving). This link has no
// internet side: InternetReceiving is False, ConnectedCount 0, and keying IpTransmit and
// PlayAudioFile fail. Each call waits at most `deadline`; a failed call drops the
// connection and the next one reconnects, so the link recovers when rigctld comes back.
//
// A transmitter keyed through it is unkeyed when the object goes, when the process
// exits and on SIGTERM, SIGINT and SIGHUP, from the moment the key request is sent.
class RigctldHost final : public HostObject {
 public:
  static constexpr std::chrono::milliseconds kDefaultDeadline{300};

  explicit RigctldHost(RigctldAddress address,
                       std::chrono::milliseconds deadline = kDefaultDeadline);
  ~RigctldHost() override;

  std::optional<bool> RadioReceiving() override;
  std::optional<bool> InternetReceiving() override { return false; }
  std::optional<std::int32_t> ConnectedCount() override { return 0; }
  bool SetRfTransmit(bool on) override;
  // No internet transmitter to key, so one that is always off: a release is taken.
  bool SetIpTransmit(bool on) override { return !on; }
  bool PlayAudioFile(const std::string&, bool) override { return false; }

 private:
  void ArmRelease();

  RigctldConnection connection_;
};

class RigctldHostFactory final : public HostFactory {
 public:
  explicit RigctldHostFactory(RigctldAddress address) : address_(std::move(address)) {}
  // The link connects on first use, so a daemon that starts after the program is found.
  std::shared_ptr<HostObject> Create() override { return std::make_shared<RigctldHost>(address_); }

 private:
  RigctldAddress address_;
};

}  // namespace quendal
