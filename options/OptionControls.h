#pragma once

#include <cstdint>
#include <string>

#include "options/OptionSet.h"

namespace quendal {

// What the click rules and the options reader may do to the window. The controller
// implements it; writing a box through SetValue runs that box's click rule when the
// value changes, so the rules may re-enter through it.
class OptionControls {
 public:
  virtual ~OptionControls() = default;

  virtual std::int16_t Value(Box box) const = 0;
  virtual void SetValue(Box box, std::int16_t value) = 0;
  virtual void SetManualText(std::string text) = 0;
  virtual void SetTemperatureDisplay(std::string text) = 0;
  // One scheduler tick, run at once from inside the caller.
  virtual void RunSchedulerTick() = 0;
  // The final, argument-free request the full-hour box makes of its window.
  virtual void Repaint() = 0;
};

}  // namespace quendal
