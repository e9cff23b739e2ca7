#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
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
  explicit RealRigctld(std::uint16_t port = 0);
  ~RealRigctld() { Stop(); }
  // Starts the daemon and waits until it accepts connections; false if it did not.
  bool Start();
  // Starts it on a free port, another one each time the port was taken meanwhile (by a
  // test suite running beside this one).
  bool StartOnFreePort();
  void Stop();
  std::uint16_t Port() const { return port_; }

 private:
  std::uint16_t port_;
  int pid_ = -1;
};

// Asks the daemon on `port`, over a connection of its own, whether PTT is on ("1"/"0").
std::optional<std::string> PttFromSecondConnection(std::uint16_t port);

// A rigctld stand-in on loopback with a radio's PTT: answers "\get_dcd" with
// `squelchOpen`, "t" with the PTT, and every other command with "RPRT 0". It can hold the
// answer to "T 1" (the radio keys all the same), and refuse "T 0" or drop the connection
// on it. A command for which `misbehave` returns true gets whatever that did on the
// connection instead (it may close it and set the descriptor to -1).
class FakeRigctld {
 public:
  using Misbehaviour = std::function<bool(int& connection, const std::string& command)>;
  explicit FakeRigctld(Misbehaviour misbehave = {});
  ~FakeRigctld();
  std::uint16_t Port() const { return port_; }

  std::atomic<bool> squelchOpen{false};
  std::atomic<int> keyRequests{0};
  enum class Release { Take, Refuse, Drop };
  std::atomic<Release> release{Release::Take};
  std::atomic<bool> holdKeyReply{false};
  std::atomic<bool> ptt{false};
  std::atomic<int> releaseRequests{0};
  // Runs on the stand-in's thread as "T 1" arrives, before any answer.
  std::function<void()> onKeyRequest;

 private:
  void Serve();
  // What to send back; nullopt sends nothing, and an empty text drops the connection.
  std::optional<std::string> Answer(const std::string& command);
  Misbehaviour misbehave_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace quendal::testing
