#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "host/rigctld/RigctldConnection.h"

namespace quendal::test {

// Polls `done` every 10 ms until it holds or `limit` has passed; whether it held.
inline bool Within(std::chrono::steady_clock::duration limit, const std::function<bool()>& done) {
  using Clock = std::chrono::steady_clock;
  for (const auto end = Clock::now() + limit; Clock::now() < end;
       std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
    if (done()) return true;
  }
  return done();
}

// A socket listening on a free loopback port; returns it.
int ListenOnLoopback(std::uint16_t& port);

// hamlib's rigctld with the dummy rig (PTT through the rig, squelch flipping at every read,
// closed first) on a free loopback port. The test asks over one connection kept open: rigctld
// closes an ended connection's descriptor twice, killing one it accepted in between.
class RealRigctld {
 public:
  static bool Available();
  ~RealRigctld() { Stop(); }
  // Starts the daemon and waits until it answers, on its port or, once taken by a suite
  // running beside this one, on another; false if none answered.
  bool Start();
  void Stop();
  std::uint16_t Port() const { return port_; }
  // PTT ("1" or "0") as the daemon reports it over the test's connection.
  std::optional<std::string> Ptt() { return own_ ? own_->Exchange("t") : std::nullopt; }

 private:
  bool StartOn(std::uint16_t port);
  std::uint16_t port_ = 0;
  int pid_ = -1;
  std::optional<RigctldConnection> own_;
};

// A rigctld stand-in with a radio's PTT on loopback: answers "\get_dcd" with
// `squelchOpen`, "t" with the PTT (or refuses it, for a radio that cannot say) and every
// other command with "RPRT 0". It can hold the answer to "T 1" (the radio keys all the
// same), or hold "T 1" itself, unanswered, and carry it out only just after answering the
// next "T 0", as a daemon busy with a slow radio may; and refuse "T 0" or drop on it. A
// command for which `misbehave` returns true gets whatever that did on the connection
// instead (it may close it and set the descriptor to -1).
class FakeRigctld {
 public:
  using Misbehaviour = std::function<bool(int& connection, const std::string& command)>;
  explicit FakeRigctld(Misbehaviour misbehave = {});
  ~FakeRigctld();
  std::uint16_t Port() const { return port_; }

  enum class Release { Take, Refuse, Drop };
  std::atomic<Release> release{Release::Take};
  std::atomic<bool> squelchOpen{false}, holdKeyReply{false}, keyAfterNextRelease{false},
      pttReadable{true}, ptt{false};
  std::atomic<int> keyRequests{0}, releaseRequests{0};
  // Runs on the stand-in's thread as "T 1" arrives, before any answer.
  std::function<void()> onKeyRequest;

 private:
  // What to send back; nullopt sends nothing, and an empty text drops the connection.
  std::optional<std::string> Answer(const std::string& command);
  bool keyHeld_ = false, keyAfterReply_ = false;
  Misbehaviour misbehave_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace quendal::test
