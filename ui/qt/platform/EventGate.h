#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <optional>

namespace quendal {

// Everything the window and the timers hand to the controller passes here, so the
// controller sees one handler at a time the way it was written for:
// - while a pause sleeps, no user action reaches it (the nested loop of the pause already
//   keeps input queued; this also catches what the window system delivers anyway, such
//   as a close request) and they run once the handler that paused has returned;
// - ticks and message boxes nest as they come, since the controller expects that.
class EventGate final : public QObject {
  Q_OBJECT

 public:
  // Runs `handler` now, counted as a handler in progress.
  void Run(const std::function<void()>& handler);
  // A user action: runs now, or waits while a pause is in progress.
  void User(std::function<void()> action);
  // A close request while any handler is in progress: kept, one at most, and run after
  // the waiting user actions once the program is idle again.
  void HoldClose(std::function<void()> action);

  bool Busy() const { return depth_ > 0; }
  bool Paused() const { return pauses_ > 0; }
  bool HasHeld() const { return !held_.empty() || heldClose_.has_value(); }

  void BeginPause() { ++pauses_; }
  void EndPause() { --pauses_; }

 private:
  void ScheduleRelease();
  void ReleaseOne();

  int depth_ = 0;
  int pauses_ = 0;
  bool releaseScheduled_ = false;
  std::deque<std::function<void()>> held_;
  std::optional<std::function<void()>> heldClose_;
};

}  // namespace quendal
