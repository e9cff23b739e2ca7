#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include "core/platform/Clock.h"

namespace quendal::onair {

// The record of what a running program put on the air: one event a line, after the local
// wall-clock time to the millisecond ("2026-12-07T14:00:01.004 RfTransmit True"), the time
// one field, so the events line up with the simulator's timeline once the first field of
// each is cut. Each line is flushed as written: a journal or a file read while the program
// runs sees every event at once, and a crash loses none.
class OnAirLog {
 public:
  // With no stream, nothing is written: the desktop logs only when asked.
  OnAirLog(Clock& clock, std::ostream* out) : clock_(clock), out_(out) {}

  bool Enabled() const { return out_ != nullptr; }
  void Write(std::string_view event);

 private:
  Clock& clock_;
  std::ostream* out_;
};

// Opens the file --log names, its path UTF-8 on every system (the ANSI code page cannot
// spell every folder), for appending. In binary, so its lines end as on every other system
// and compare with the simulator's as they are. False when it cannot be written.
bool OpenLogFile(std::ofstream& file, const std::string& path);

}  // namespace quendal::onair
