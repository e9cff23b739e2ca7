#include "platform/SystemClockSync.h"

namespace quendal {

// Windows keeps its time service's state to itself: only w32tm's query, a program of its
// own, tells it.
std::optional<bool> SystemClockSync::Synchronised() { return std::nullopt; }

}  // namespace quendal
