#pragma once

#include <thread>

#include "core/platform/Pause.h"
#include "guard/GuardLoop.h"

// The guard's real time: it waits and counts on its own thread, with no window to keep
// alive, so plain sleeps and the steady clock serve.
namespace quendal::guard {

class SteadyStopwatch final : public Stopwatch {
 public:
  Millis Elapsed() override {
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start_);
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class ThreadPause final : public Pause {
 public:
  void Sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

}  // namespace quendal::guard
