#pragma once

#include <QObject>

#include "core/HandlerGate.h"

namespace quendal {

// The handler gate on Qt's event loop. While a pause sleeps, its nested loop already keeps
// input queued; the gate also catches what the window system delivers anyway, such as a
// close request. Held actions come back one an event-loop turn.
class EventGate final : public QObject, public HandlerGate {
  Q_OBJECT

 private:
  void ReleaseHeld() override;

  bool releaseScheduled_ = false;
};

}  // namespace quendal
