#pragma once

#include <optional>

namespace quendal {

// Whether the system keeps its clock in step with a time source: a talking clock is only
// as right as the clock it reads.
class ClockSync {
 public:
  virtual ~ClockSync() = default;
  // nullopt when the system does not say.
  virtual std::optional<bool> Synchronised() = 0;
};

}  // namespace quendal
