#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <sys/socket.h>

#include "host/rigctld/RigctldAddress.h"

namespace quendal {

// One TCP connection to rigctld, made on demand. Every exchange has a deadline, so a
// daemon that hangs or has gone never freezes the caller; any failure drops the
// connection, and the next exchange connects afresh.
class RigctldConnection {
 public:
  RigctldConnection(RigctldAddress address, std::chrono::milliseconds deadline);
  ~RigctldConnection();
  RigctldConnection(const RigctldConnection&) = delete;
  RigctldConnection& operator=(const RigctldConnection&) = delete;

  // Sends one command line and returns the first line of the reply, without its end.
  // nullopt when rigctld could not be reached or did not answer in time.
  std::optional<std::string> Exchange(std::string_view command);

  // The resolved address of the last successful connection, for a release made from a
  // signal handler, where no name can be resolved.
  const sockaddr_storage& PeerAddress() const { return peer_; }
  socklen_t PeerAddressLength() const { return peerLength_; }

 private:
  bool Connect(std::chrono::steady_clock::time_point deadline);
  void Drop();

  RigctldAddress address_;
  std::chrono::milliseconds deadline_;
  int socket_ = -1;
  std::string received_;
  sockaddr_storage peer_{};
  socklen_t peerLength_ = 0;
};

}  // namespace quendal
