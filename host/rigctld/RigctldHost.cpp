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
  const std::optional<std::string> reply = connection_.Exchange(on ? "T 1" : "T 0");
  const bool taken = reply == "RPRT 0";
  if (on) {
    // Even a failed key request may have reached the radio: arm the release all the same.
    transmitter_release::Arm(connection_.PeerAddress(), connection_.PeerAddressLength());
  } else if (taken) {
    transmitter_release::Disarm();
  }
  return taken;
}

}  // namespace quendal
