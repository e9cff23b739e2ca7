#pragma once

#include <optional>

namespace quendal {

enum class LightColour { Green, Red };

// A light is red only when the host says the side is receiving. A flag that cannot be
// read paints green, the same way the announcement guards let an unreadable flag pass.
constexpr LightColour LightFor(std::optional<bool> receiving) {
  return receiving.value_or(false) ? LightColour::Red : LightColour::Green;
}

// 24-bit colour in the platform's blue-green-red order, as the window paints it.
constexpr unsigned ColourValue(LightColour colour) {
  return colour == LightColour::Green ? 0x00FF00u : 0x0000FFu;
}

}  // namespace quendal
