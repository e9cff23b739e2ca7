#pragma once

#include "core/platform/ClockSync.h"

namespace quendal {

// Linux: the kernel's own flag, which systemd-timesyncd, chrony or ntpd clear once they
// have set the clock (adjtimex, read only, so no privilege is needed). Elsewhere the
// system does not say so cheaply, and this says nothing.
class SystemClockSync final : public ClockSync {
 public:
  std::optional<bool> Synchronised() override;
};

}  // namespace quendal
