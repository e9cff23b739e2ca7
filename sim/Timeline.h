#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace quendal::sim {

// The printed record of a run: one event a line, "<seconds with three decimals> <event>".
class Timeline {
 public:
  Timeline(std::ostream& out, bool verbose) : out_(out), verbose_(verbose) {}

  void Event(std::int64_t atMs, std::string_view event);
  // Host reads, pauses and the clock display: only with --verbose. Callers ask Verbose
  // before they compose what comes every second.
  void Detail(std::int64_t atMs, std::string_view event);
  bool Verbose() const { return verbose_; }

 private:
  std::ostream& out_;
  bool verbose_;
};

}  // namespace quendal::sim
