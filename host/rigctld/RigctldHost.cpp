#include "host/rigctld/RigctldHost.h"

#include "host/rigctld/TransmitterRelease.h"

namespace quendal {

RigctldHost::RigctldHost(RigctldAddress address, std::chrono::milliseconds deadline)
    : connection_(std::move(address), deadline) {
  transmitter_release::Install();
}

RigctldHost::~RigctldHost() { transmitter_release::ReleaseNow(); }

std::optional<bool> RigctldHost::RadioReceiving() {
  const std::optional<std::string> reply = connection_.Exchange("\\get_dcd");
  if (reply == "1") return true;
  if (reply == "0") return false;
  return std::nullopt;  // no answer, or "RPRT -N"
}

bool RigctldHost::SetRfTransmit(bool on) {
  // Armed before "T 1" leaves: a signal that comes while it is in flight must find the
  // release ready, since the radio may key before the reply arrives.
  if (on) ArmRelease();
  const std::optional<std::string> reply = connection_.Exchange(on ? "T 1" : "T 0");
  const bool taken = reply == "RPRT 0";
  if (on) {
    // Even a failed key request may have reached the radio, perhaps over a connection
    // made afresh: armed again with the address it went to.
    ArmRelease();
  } else if (taken) {
    transmitter_release::Disarm();
  }
  return taken;
}

void RigctldHost::ArmRelease() {
  // A link that has never connected has no address yet to release at.
  if (connection_.PeerAddressLength() == 0) connection_.Exchange("\\get_dcd");
  transmitter_release::Arm(connection_.PeerAddress(), connection_.PeerAddressLength());
}

}  // namespace quendal
