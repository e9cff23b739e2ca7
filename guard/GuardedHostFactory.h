#pragma once

#include <memory>

#include "guard/GuardedHost.h"
#include "host/drivers/HostDrivers.h"

namespace quendal::guard {

// Starts the guard for `choice`, a real link, and returns the program's end of the
// channel; nullptr when the guard could not be started. One per system.
std::shared_ptr<GuardLine> LaunchGuard(const HostChoice& choice);

// The chosen link, guarded when it reaches a real transmitter: the guard starts before
// the link is made, so it is watching from the program's first key request.
class GuardedHostFactory final : public HostFactory {
 public:
  GuardedHostFactory(HostChoice choice, std::shared_ptr<SimulatedHost> simulated)
      : choice_(choice), chosen_(std::move(choice), std::move(simulated)) {}

  std::shared_ptr<HostObject> Create() override;

 private:
  HostChoice choice_;
  ChosenHostFactory chosen_;
};

}  // namespace quendal::guard
