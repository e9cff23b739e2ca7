#pragma once

#include <chrono>

#include "host/HostObject.h"
#include "host/rigctld/ReleaseDoubt.h"
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
//
// A release of a key request that went unanswered, or of a key this link did not ask for
// (the guard's, for a program gone), is taken only on the radio's own word: the PTT read
// back ("t") as off a few times in a row, the last after `queueWindow`. Until then the
// call fails, so its caller asks again, and every call sends "T 0" again unless the radio
// has just said off; a radio that cannot read its PTT gets "T 0" on every call.
class RigctldHost final : public HostObject {
 public:
  static constexpr std::chrono::milliseconds kDefaultDeadline{300};
  // How long rigctld may still hold a key request it left unanswered. It serves its
  // clients one at a time under one lock, and hamlib gives up on a command after the rig's
  // timeout and retries, a few seconds for the slowest common backends (1 to 2 s, 3 tries):
  // 10 s outlasts that command and one more queued before ours.
  static constexpr std::chrono::milliseconds kQueueWindow{10'000};

  explicit RigctldHost(RigctldAddress address,
                       std::chrono::milliseconds deadline = kDefaultDeadline,
                       std::chrono::milliseconds queueWindow = kQueueWindow);
  ~RigctldHost() override;

  std::optional<bool> RadioReceiving() override;
  std::optional<bool> InternetReceiving() override { return false; }
  std::optional<std::int32_t> ConnectedCount() override { return 0; }
  bool SetRfTransmit(bool on) override;
  // No internet transmitter to key, so one that is always off: a release is taken.
  bool SetIpTransmit(bool on) override { return !on; }
  bool PlayAudioFile(const std::string&, bool) override { return false; }

 private:
  bool Key();
  bool Release();
  bool ReleaseOnTheRadiosWord();
  void ArmRelease();

  RigctldConnection connection_;
  ReleaseDoubt doubt_;
  bool keyedHere_ = false;
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
