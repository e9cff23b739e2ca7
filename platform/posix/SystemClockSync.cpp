#include "platform/SystemClockSync.h"

#ifdef __linux__
#include <sys/timex.h>
#endif

namespace quendal {

std::optional<bool> SystemClockSync::Synchronised() {
#ifdef __linux__
  struct timex state {};  // no mode bits: only read
  const int clock = ::adjtimex(&state);
  if (clock == -1) return std::nullopt;
  return clock != TIME_ERROR && (state.status & STA_UNSYNC) == 0;
#else
  return std::nullopt;
#endif
}

}  // namespace quendal
