#pragma once

#include <ostream>

#include "core/platform/Pause.h"
#include "guard/TransmitterWatch.h"
#include "host/HostObject.h"

// The transmitter guard: a process of its own that outlives the program, hears from it
// when it keys and when the host confirms a release, and releases what is left keyed
// when the program is gone by any means, or keyed longer than a repeater would allow.
namespace quendal::guard {

// The guard's only input: the program's end of the channel.
class ParentChannel {
 public:
  struct News {
    enum class Kind { Byte, Gone, Quiet } kind;
    char byte = 0;
  };
  virtual ~ParentChannel() = default;
  // The parent's next byte, Gone once its end has closed, or Quiet after `timeout`
  // (nullopt waits without limit).
  virtual News Wait(std::optional<Millis> timeout) = 0;
};

// Time since the guard started, from a clock that never goes back.
class Stopwatch {
 public:
  virtual ~Stopwatch() = default;
  virtual Millis Elapsed() = 0;
};

struct GuardPlatform {
  ParentChannel& parent;
  Stopwatch& time;
  Pause& pause;
  HostObject& link;  // the same link the program drives, made afresh
  std::ostream& log;
};

// Watches until the program is gone, releases what it left keyed, and returns.
void RunGuard(GuardPlatform platform, Millis limit = TransmitterWatch::kDefaultLimit);

}  // namespace quendal::guard
