#include "host/rigctld/RigctldHost.h"

#include "host/rigctld/TransmitterRelease.h"

namespace quendal {

namespace {

ReleaseDoubt::Time Now() { return std::chrono::steady_clock::now(); }

}  // namespace

RigctldHost::RigctldHost(RigctldAddress address, std::chrono::milliseconds deadline,
                         std::chrono::milliseconds queueWindow)
    : connection_(std::move(address), deadline), doubt_(queueWindow) {
  transmitter_release::Install();
}

RigctldHost::~RigctldHost() { transmitter_release::ReleaseNow(); }

std::optional<bool> RigctldHost::RadioReceiving() {
  const std::optional<std::string> reply = connection_.Exchange("\\get_dcd");
  if (reply == "1") return true;
  if (reply == "0") return false;
  return std::nullopt;  // no answer, or "RPRT -N"
}

bool RigctldHost::SetRfTransmit(bool on) { return on ? Key() : Release(); }

bool RigctldHost::Key() {
  // Armed before "T 1" leaves: a signal that comes while it is in flight must find the
  // release ready, since the radio may key before the reply arrives.
  ArmRelease();
  keyedHere_ = true;
  doubt_.Heard(ReleaseDoubt::Reading::NotOff);  // an earlier "off" says nothing of this key
  const std::optional<std::string> reply = connection_.Exchange("T 1");
  // Even a failed key request may have reached the radio, perhaps over a connection
  // made afresh: armed again with the address it went to.
  ArmRelease();
  // A refusal is an answer: only a request left unanswered may still be queued.
  if (!reply) doubt_.Begin(Now());
  return reply == "RPRT 0";
}

bool RigctldHost::Release() {
  if (!keyedHere_ && !doubt_.Active()) doubt_.Begin(Now());
  const bool settled =
      doubt_.Active() ? ReleaseOnTheRadiosWord() : connection_.Exchange("T 0") == "RPRT 0";
  if (settled) {
    transmitter_release::Disarm();
    doubt_.End();
    keyedHere_ = false;
  }
  return settled;
}

// "T 0" goes unless the radio has just said off, and then the PTT is read back: a radio
// that cannot read it ("RPRT -N") has been asked to release on every call of the window.
bool RigctldHost::ReleaseOnTheRadiosWord() {
  using Reading = ReleaseDoubt::Reading;
  if (!doubt_.SaidOffLast() && connection_.Exchange("T 0") != "RPRT 0") {
    doubt_.Heard(Reading::NotOff);
    return false;
  }
  const std::optional<std::string> ptt = connection_.Exchange("t");
  const bool refused = ptt && ptt->starts_with("RPRT");
  doubt_.Heard(ptt == "0" ? Reading::Off : refused ? Reading::CannotSay : Reading::NotOff);
  return doubt_.Settled(Now());
}

void RigctldHost::ArmRelease() {
  // A link that has never connected has no address yet to release at.
  if (connection_.PeerAddressLength() == 0) connection_.Exchange("\\get_dcd");
  transmitter_release::Arm(connection_.PeerAddress(), connection_.PeerAddressLength());
}

}  // namespace quendal
