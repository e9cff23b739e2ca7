#include "ui/qt/platform/EventGate.h"

#include <QTimer>

namespace quendal {

void EventGate::ReleaseHeld() {
  if (releaseScheduled_) return;
  releaseScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    releaseScheduled_ = false;
    if (auto action = TakeHeld()) Run(*action);  // schedules the next if more are held
  });
}

}  // namespace quendal
