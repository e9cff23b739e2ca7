#include "host/drivers/HostDrivers.h"
#include "host/echolink/EchoLinkHost.h"

namespace quendal {
namespace {

const HostDriver kEchoLinkDriver{"echolink", "", "o programa EchoLink", NoAddress,
                                 [](const HostChoice&) { return EchoLinkHostFactory().Create(); }};

}  // namespace

// Built on first use, after the shared simulated driver exists.
std::span<const HostDriver> HostDrivers() {
  static const HostDriver drivers[] = {kEchoLinkDriver, SimulatedDriver()};
  return drivers;
}

}  // namespace quendal
