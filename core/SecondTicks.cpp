#include "core/SecondTicks.h"

namespace quendal {
namespace {

bool SameSecond(const LocalTime& a, const LocalTime& b) {
  return a.second == b.second && a.minute == b.minute && a.hour == b.hour && a.day == b.day &&
         a.month == b.month && a.year == b.year;
}

}  // namespace

int SecondTicks::Arm(const LocalTime& now) {
  armedIn_ = now;
  return 1000 - now.millisecond;
}

bool SecondTicks::Due(const LocalTime& now) const { return !SameSecond(now, armedIn_); }

}  // namespace quendal
