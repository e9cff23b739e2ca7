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
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// False once the deadline has passed, even while the socket stays ready: a daemon that
// keeps sending must not keep the caller past its deadline.
bool WaitFor(int socket, short events, Clock::time_point deadline) {
  pollfd entry{socket, events, 0};
  while (Clock::now() < deadline) {
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
    if (ready < 0 && errno != EINTR) return false;
  }
  return false;
}

}  // namespace

RigctldConnection::RigctldConnection(RigctldAddress address, std::chrono::milliseconds deadline)
    : address_(std::move(address)), deadline_(deadline) {}

RigctldConnection::~RigctldConnection() { Drop(); }

void RigctldConnection::Drop() {
  if (socket_ >= 0) ::close(socket_);
  socket_ = -1;
}

bool RigctldConnection::Connect(Clock::time_point deadline) {
  socket_ = ConnectTo(address_.host, deadline);
  for (std::size_t i = 0; socket_ < 0 && i < address_.alternatives.size(); ++i) {
    socket_ = ConnectTo(address_.alternatives[i], deadline);
  }
  return socket_ >= 0;
}

int RigctldConnection::ConnectTo(const std::string& host, Clock::time_point deadline) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  // Numeric only: a name here would be looked up without a deadline.
  hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(address_.port);
  if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return -1;

  int socket = -1;
  for (addrinfo* candidate = found; candidate != nullptr && socket < 0;
       candidate = candidate->ai_next) {
    const int fd =
        ::socket(candidate->ai_family, candidate->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) continue;
    int connected = ::connect(fd, candidate->ai_addr, candidate->ai_addrlen);
    if (connected != 0 && errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
      int error = 0;
      socklen_t length = sizeof error;
      connected =
          ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0 ? 0 : -1;
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
    socket = fd;
  }
  ::freeaddrinfo(found);
  return socket;
}

bool RigctldConnection::Send(const std::string& line, Clock::time_point deadline) {
  for (std::size_t sent = 0; sent < line.size();) {
    if (!WaitFor(socket_, POLLOUT, deadline)) return false;
    const ssize_t count = ::send(socket_, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
    if (count < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (count > 0) sent += static_cast<std::size_t>(count);
  }
  return true;
}

std::optional<std::string> RigctldConnection::ReceiveLine(Clock::time_point deadline) {
  // Each command is answered before the next is sent, so anything after the line is stale.
  std::string received;
  std::size_t end = std::string::npos;
  while (end == std::string::npos) {
    if (received.size() > kMaxReplyLine || !WaitFor(socket_, POLLIN, deadline)) {
      return std::nullopt;
    }
    char buffer[512];
    const ssize_t count = ::recv(socket_, buffer, sizeof buffer, 0);
    if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) return std::nullopt;
    if (count <= 0) continue;
    const std::size_t searched = received.size();
    received.append(buffer, static_cast<std::size_t>(count));
    end = received.find('\n', searched);
  }
  std::string reply = received.substr(0, std::min(end, kMaxReplyLine + 1));
  if (!reply.empty() && reply.back() == '\r') reply.pop_back();
  if (reply.size() > kMaxReplyLine) return std::nullopt;
  return reply;
}

bool RigctldConnection::OutOfStep() const {
  pollfd entry{socket_, POLLIN, 0};
  return ::poll(&entry, 1, 0) != 0;
}

std::optional<std::string> RigctldConnection::Exchange(std::string_view command) {
  const Clock::time_point deadline = Clock::now() + deadline_;
  if (socket_ >= 0 && OutOfStep()) Drop();
  if (socket_ < 0 && !Connect(deadline)) return std::nullopt;
  std::optional<std::string> reply;
  if (Send(std::string(command) + "\n", deadline)) reply = ReceiveLine(deadline);
  if (!reply) Drop();
  return reply;
}

}  // namespace quendal
