#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quendal::test {

// A socket listening on a free loopback port that never accepts: a connection to it is
// made, but nothing sent there is ever answered. Returns the socket.
int SilentListener(std::uint16_t& port);

// hamlib's own rigctld with the dummy rig (PTT through the rig, squelch always closed) on
// a free loopback port.
class RealRigctld {
 public:
  static bool Available();
  RealRigctld();
  ~RealRigctld() { Stop(); }
  // Starts the daemon and waits until it answers; false if it did not.
  bool Start();
  void Stop();
  std::uint16_t Port() const { return port_; }
  // PTT ("1" or "0") as the daemon reports it over a connection of its own.
  std::optional<std::string> Ptt() const;

 private:
  std::uint16_t port_;
  int pid_ = -1;
};

}  // namespace quendal::test
