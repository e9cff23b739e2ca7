#include "ui/qt/platform/EventGate.h"

#include <QTimer>

namespace quendal {

void EventGate::Run(const std::function<void()>& handler) {
  ++depth_;
  handler();
  --depth_;
  if (depth_ == 0 && HasHeld()) ScheduleRelease();
}

void EventGate::User(std::function<void()> action) {
  if (Paused()) {
    held_.push_back(std::move(action));
    return;
  }
  Run(action);
}

void EventGate::HoldClose(std::function<void()> action) {
  heldClose_ = std::move(action);
  if (!Busy()) ScheduleRelease();
}

void EventGate::ScheduleRelease() {
  if (releaseScheduled_) return;
  releaseScheduled_ = true;
  // From the event loop rather than from inside Run, so the handler that just returned
  // has fully unwound before the next one starts.
  QTimer::singleShot(0, this, [this] {
    releaseScheduled_ = false;
    ReleaseOne();
  });
}

void EventGate::ReleaseOne() {
  if (Busy() || Paused()) return;  // the handler now running releases them when it ends
  std::function<void()> action;
  if (!held_.empty()) {
    action = std::move(held_.front());
    held_.pop_front();
  } else if (heldClose_) {
    action = std::move(*heldClose_);
    heldClose_.reset();
  } else {
    return;
  }
  Run(action);  // schedules the next release if more are waiting
}

}  // namespace quendal
