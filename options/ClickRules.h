#pragma once

#include "options/OptionControls.h"

namespace quendal {

// Runs the click rule of `box`, which has just changed to its current value. The rules
// keep each group exclusive (schedule, medium, temperature source) and act only when the
// new value is exactly 1; the full-hour box also runs one scheduler tick and asks for a
// repaint whatever its value.
void RunClickRule(Box box, OptionControls& controls);

}  // namespace quendal
