#include "host/rigctld/RigctldConnection.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

namespace quendal {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool WaitFor(int socket, short events, Clock::time_point deadline) {
  pollfd entry{socket, events, 0};
  while (true) {
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

RigctldConnection::RigctldConnection(RigctldAddress address, std::chrono::milliseconds deadline)
    : address_(std::move(address)), deadline_(deadline) {}

RigctldConnection::~RigctldConnection() { Drop(); }

void RigctldConnection::Drop() {
  if (socket_ >= 0) ::close(socket_);
  socket_ = -1;
  received_.clear();
}

bool RigctldConnection::Connect(Clock::time_point deadline) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(address_.port);
  if (::getaddrinfo(address_.host.c_str(), port.c_str(), &hints, &found) != 0) return false;

  for (addrinfo* candidate = found; candidate != nullptr && socket_ < 0;
       candidate = candidate->ai_next) {
    const int fd = ::socket(candidate->ai_family,
                            candidate->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) continue;
    int connected = ::connect(fd, candidate->ai_addr, candidate->ai_addrlen);
    if (connected != 0 && errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
      int error = 0;
      socklen_t length = sizeof error;
      connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0
                      ? 0
                      : -1;
    }
    if (connected != 0) {
      ::close(fd);
      continue;
    }
    // Commands are tiny and each waits for its reply: send them at once.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    std::memcpy(&peer_, candidate->ai_addr, candidate->ai_addrlen);
    peerLength_ = candidate->ai_addrlen;
    socket_ = fd;
  }
  ::freeaddrinfo(found);
  return socket_ >= 0;
}

std::optional<std::string> RigctldConnection::Exchange(std::string_view command) {
  const Clock::time_point deadline = Clock::now() + deadline_;
  if (socket_ < 0 && !Connect(deadline)) return std::nullopt;

  // Each command is answered before the next is sent, so anything left over is stale.
  received_.clear();
  const std::string line = std::string(command) + "\n";
  for (std::size_t sent = 0; sent < line.size();) {
    if (!WaitFor(socket_, POLLOUT, deadline)) return Drop(), std::nullopt;
    const ssize_t count = ::send(socket_, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
    if (count < 0 && errno != EAGAIN && errno != EINTR) return Drop(), std::nullopt;
    if (count > 0) sent += static_cast<std::size_t>(count);
  }

  while (received_.find('\n') == std::string::npos) {
    if (!WaitFor(socket_, POLLIN, deadline)) return Drop(), std::nullopt;
    char buffer[256];
    const ssize_t count = ::recv(socket_, buffer, sizeof buffer, 0);
    if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
      return Drop(), std::nullopt;
    }
    if (count > 0) received_.append(buffer, static_cast<std::size_t>(count));
  }
  const std::size_t end = received_.find('\n');
  std::string reply = received_.substr(0, end);
  received_.erase(0, end + 1);
  if (!reply.empty() && reply.back() == '\r') reply.pop_back();
  return reply;
}

}  // namespace quendal
