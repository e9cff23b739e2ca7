#include "core/HandlerGate.h"

namespace quendal {

void HandlerGate::Run(const std::function<void()>& handler) {
  ++depth_;
  handler();
  --depth_;
  ReleaseIfIdle();
}

void HandlerGate::User(std::function<void()> action) {
  if (Paused()) {
    Hold(std::move(action));
    return;
  }
  Run(action);
}

void HandlerGate::Hold(std::function<void()> action) { held_.push_back(std::move(action)); }

void HandlerGate::HoldClose(std::function<void()> action) {
  heldClose_ = std::move(action);
  ReleaseIfIdle();
}

void HandlerGate::ReleaseIfIdle() {
  if (!Busy() && !Paused() && HasHeld()) ReleaseHeld();
}

std::optional<std::function<void()>> HandlerGate::TakeHeld() {
  if (Busy() || Paused()) return std::nullopt;
  std::optional<std::function<void()>> action;
  if (!held_.empty()) {
    action = std::move(held_.front());
    held_.pop_front();
  } else if (heldClose_) {
    action = std::move(heldClose_);
    heldClose_.reset();
  }
  return action;
}

}  // namespace quendal
