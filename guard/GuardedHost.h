#pragma once

#include <memory>

#include "guard/GuardEvents.h"
#include "host/HostObject.h"

namespace quendal::guard {

// The program's end of the channel to its guard. Telling never blocks and never fails
// the caller: a guard that has gone costs the program nothing but its protection.
class GuardLine {
 public:
  virtual ~GuardLine() = default;
  virtual void Tell(Event event) = 0;
};

// A link that keeps its guard told: keying before the request leaves, a release once the
// host has taken it. Everything else passes straight through.
class GuardedHost final : public HostObject {
 public:
  GuardedHost(std::shared_ptr<HostObject> link, std::shared_ptr<GuardLine> guard)
      : link_(std::move(link)), guard_(std::move(guard)) {}

  std::optional<bool> RadioReceiving() override { return link_->RadioReceiving(); }
  std::optional<bool> InternetReceiving() override { return link_->InternetReceiving(); }
  std::optional<std::int32_t> ConnectedCount() override { return link_->ConnectedCount(); }
  bool SetRfTransmit(bool on) override {
    return Switched(Switch::Rf, on, [&] { return link_->SetRfTransmit(on); });
  }
  bool SetIpTransmit(bool on) override {
    return Switched(Switch::Ip, on, [&] { return link_->SetIpTransmit(on); });
  }
  bool PlayAudioFile(const std::string& path, bool flag) override {
    return link_->PlayAudioFile(path, flag);
  }
  bool Reachable() const override { return link_->Reachable(); }

 private:
  template <typename Write>
  bool Switched(Switch which, bool on, Write write) {
    if (on) guard_->Tell({Event::Kind::Keying, which});
    const bool taken = write();
    if (!on && taken) guard_->Tell({Event::Kind::Released, which});
    return taken;
  }

  std::shared_ptr<HostObject> link_;
  std::shared_ptr<GuardLine> guard_;
};

}  // namespace quendal::guard
