#pragma once

#include <deque>
#include <functional>
#include <optional>

namespace quendal {

// Everything the windows and the timers hand to the controller passes here, so the
// controller sees one handler at a time the way it was written for, whatever the toolkit:
// - while a pause sleeps, no user action reaches it: it is held, and handed back once the
//   handler that paused has returned;
// - ticks and message boxes nest as they come, since the controller expects that;
// - a close request that comes while a handler runs is held, one at most, and comes after
//   the held actions.
// The toolkit's gate only hands the held actions back from its own loop (ReleaseHeld).
class HandlerGate {
 public:
  // Runs `handler` now, counted as a handler in progress.
  void Run(const std::function<void()>& handler);
  // A user action: runs now, or is held while a pause is in progress.
  void User(std::function<void()> action);
  // Held until the program is idle again, in the order they came.
  void Hold(std::function<void()> action);
  // The last one asked replaces any held before.
  void HoldClose(std::function<void()> action);

  bool Busy() const { return depth_ > 0; }
  bool Paused() const { return pauses_ > 0; }
  bool HasHeld() const { return !held_.empty() || heldClose_.has_value(); }

  void BeginPause() { ++pauses_; }
  void EndPause() { --pauses_; }

 protected:
  HandlerGate() = default;
  ~HandlerGate() = default;
  HandlerGate(const HandlerGate&) = delete;
  HandlerGate& operator=(const HandlerGate&) = delete;

  // The next held action, the close request last; none while a handler or a pause is in
  // progress (the one running hands them back when it ends).
  std::optional<std::function<void()>> TakeHeld();

 private:
  // Called once the program is idle with actions held: the toolkit takes them (TakeHeld)
  // from its own loop, so the handler that just returned has fully unwound first.
  virtual void ReleaseHeld() = 0;
  void ReleaseIfIdle();

  int depth_ = 0;
  int pauses_ = 0;
  std::deque<std::function<void()>> held_;
  std::optional<std::function<void()>> heldClose_;
};

}  // namespace quendal
