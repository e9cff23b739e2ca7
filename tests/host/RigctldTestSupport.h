#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "host/rigctld/RigctldConnection.h"

namespace quendal::testing {

// A free TCP port on loopback, as the kernel hands one out.
std::uint16_t FreePort();

// hamlib's own rigctld with the dummy rig (PTT through the rig, "-P RIG") on loopback.
class RealRigctld {
 public:
  static bool Available();
  explicit RealRigctld(std::uint16_t port);
  ~RealRigctld() { Stop(); }
  // Starts the daemon and waits until it accepts connections; false if it did not.
  bool Start();
  void Stop();
  std::uint16_t Port() const { return port_; }

 private:
  std::uint16_t port_;
  int pid_ = -1;
};

// Asks the daemon on `port`, over a connection of its own, whether PTT is on ("1"/"0").
std::optional<std::string> PttFromSecondConnection(std::uint16_t port);

// A rigctld stand-in on loopback: answers "\get_dcd" with `squelchOpen` and every other
// command with "RPRT 0", or stays silent when `silent` is set.
class FakeRigctld {
 public:
  FakeRigctld();
  ~FakeRigctld();
  std::uint16_t Port() const { return port_; }

  std::atomic<bool> squelchOpen{false};
  std::atomic<bool> silent{false};
  std::atomic<int> keyRequests{0};

 private:
  void Serve();
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace quendal::testing
