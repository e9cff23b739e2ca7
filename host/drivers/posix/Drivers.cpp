#include "host/drivers/HostDrivers.h"
#include "host/rigctld/RigctldHost.h"

namespace quendal {
namespace {

const HostDriver kRigctldDriver{
    "rigctld", "HOST:PORTA", "rádio pelo rigctld do hamlib, padrão 127.0.0.1:4532",
    [](std::string_view text) -> std::optional<std::string> {
      const std::optional<RigctldAddress> address = ParseRigctldAddress(text);
      const std::optional<RigctldAddress> resolved =
          address ? ResolveRigctldAddress(*address) : std::nullopt;
      if (!resolved) return std::nullopt;
      return FormatRigctldAddress(*resolved);
    },
    [](const HostChoice& choice) {
      return RigctldHostFactory(*ParseRigctldAddress(choice.address)).Create();
    }};

}  // namespace

// Built on first use, after the shared simulated driver exists.
std::span<const HostDriver> HostDrivers() {
  static const HostDriver drivers[] = {SimulatedDriver(), kRigctldDriver};
  return drivers;
}

}  // namespace quendal
