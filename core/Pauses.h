#pragma once

#include <algorithm>

#include "core/ClipLibrary.h"

// The fixed pauses of the announcements, in milliseconds. The program never waits for a
// clip to end: a clip has the pause after it, and is cut off by whatever comes next.
namespace quendal::pauses {

// Before the first clip goes out, once the transmit switch is set.
inline constexpr int kLeadIn = 2000;
// On the radio: after the hour clip, before the minute clip.
inline constexpr int kAfterHourClip = 3000;
// On the radio: after the minute clip, before the transmitter is released or the
// temperature follows.
inline constexpr int kAfterMinuteClip = 2000;
// To the host: after the hour and minute clips, handed over back to back.
inline constexpr int kAfterTimeOnIp = 3000;
// Before a temperature read from the file is announced.
inline constexpr int kBeforeTemperature = 2000;
inline constexpr int kAfterTemperatureOnRf = 3000;
inline constexpr int kAfterTemperatureOnIp = 2000;
// After a message box, before the announcement goes on.
inline constexpr int kAfterMessage = 2000;

// The shortest time a clip of the library has on the air before the next step cuts in.
// The host queues the hour and minute clips it is handed, so there the two share
// kAfterTimeOnIp; on the radio each has its own pause.
constexpr int AfterClip(ClipKind kind) {
  switch (kind) {
    case ClipKind::Hour:
      return kAfterHourClip;
    case ClipKind::Minute:
      return kAfterMinuteClip;
    case ClipKind::Temperature:
      return std::min(kAfterTemperatureOnRf, kAfterTemperatureOnIp);
  }
  return 0;
}

}  // namespace quendal::pauses
