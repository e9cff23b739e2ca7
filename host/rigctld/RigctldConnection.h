#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <sys/socket.h>

#include "host/rigctld/RigctldAddress.h"

namespace quendal {

// One TCP connection to rigctld, made on demand. Every exchange has a deadline that holds
// whatever the daemon sends, so one that hangs, trickles, floods or has gone never freezes
// the caller; any failure drops the connection, and the next exchange connects afresh.
// The address's hosts must be numeric (ResolveRigctldAddress): no exchange looks a name up.
class RigctldConnection {
 public:
  RigctldConnection(RigctldAddress address, std::chrono::milliseconds deadline);
  ~RigctldConnection();
  RigctldConnection(const RigctldConnection&) = delete;
  RigctldConnection& operator=(const RigctldConnection&) = delete;

  // Longer reply lines are no rigctld answer: the call fails and the connection drops.
  static constexpr std::size_t kMaxReplyLine = 4096;

  // Sends one command line and returns the first line of the reply, without its end.
  // nullopt when rigctld could not be reached or did not answer in time.
  std::optional<std::string> Exchange(std::string_view command);

  // The resolved address of the last successful connection, for a release made from a
  // signal handler, where no name can be resolved.
  const sockaddr_storage& PeerAddress() const { return peer_; }
  socklen_t PeerAddressLength() const { return peerLength_; }

 private:
  bool Connect(std::chrono::steady_clock::time_point deadline);
  int ConnectTo(const std::string& host, std::chrono::steady_clock::time_point deadline);
  bool Send(const std::string& line, std::chrono::steady_clock::time_point deadline);
  std::optional<std::string> ReceiveLine(std::chrono::steady_clock::time_point deadline);
  // rigctld speaks only when spoken to: bytes waiting before a command, or a hangup, mean
  // the connection is out of step, and a reply read on it could answer an older command.
  bool OutOfStep() const;
  void Drop();

  RigctldAddress address_;
  std::chrono::milliseconds deadline_;
  int socket_ = -1;
  sockaddr_storage peer_{};
  socklen_t peerLength_ = 0;
};

}  // namespace quendal
