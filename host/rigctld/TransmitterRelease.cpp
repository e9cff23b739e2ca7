#include "host/rigctld/TransmitterRelease.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace quendal::transmitter_release {
namespace {

// Longer than an ordinary call's deadline: on the way out, a late release is still worth
// waiting for.
constexpr int kWaitMs = 1000;
constexpr char kUnkey[] = "T 0\n";

// Read from a signal handler: plain data guarded by the atomic flag, written before the
// flag is raised.
std::atomic<bool> armed{false};
sockaddr_storage daemonAddress{};
socklen_t daemonAddressLength = 0;
std::atomic<bool> installed{false};
std::atomic<bool> hangupReleases{true};

bool Ready(int fd, short events) {
  pollfd entry{fd, events, 0};
  return ::poll(&entry, 1, kWaitMs) > 0 && (entry.revents & events) != 0;
}

enum class Outcome { Confirmed, Refused, Dropped };

// Sends the unkey line on `fd` and waits for rigctld's "RPRT 0".
Outcome UnkeyOver(int fd) {
  if (::send(fd, kUnkey, sizeof kUnkey - 1, MSG_NOSIGNAL) != sizeof kUnkey - 1) {
    return Outcome::Dropped;
  }
  char reply[64];
  std::size_t length = 0;
  while (length < sizeof reply && Ready(fd, POLLIN)) {
    const ssize_t count = ::recv(fd, reply + length, sizeof reply - length, 0);
    if (count <= 0) return Outcome::Dropped;
    length += static_cast<std::size_t>(count);
    const char* end = static_cast<const char*>(std::memchr(reply, '\n', length));
    if (end != nullptr) {
      return end - reply == 6 && std::memcmp(reply, "RPRT 0", 6) == 0 ? Outcome::Confirmed
                                                                      : Outcome::Refused;
    }
  }
  return Outcome::Refused;  // unanswered in time: waiting again would only double the wait
}

int ConnectFresh() {
  const int fd = ::socket(daemonAddress.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&daemonAddress), daemonAddressLength) == 0 ||
      (errno == EINPROGRESS && Ready(fd, POLLOUT))) {
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) return fd;
  }
  ::close(fd);
  return -1;
}

void OnSignal(int signal) {
  ReleaseNow();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void OnExit() { ReleaseNow(); }

}  // namespace

void Install() {
  if (installed.exchange(true)) return;
  std::atexit(OnExit);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  for (const int signal : {SIGTERM, SIGINT}) sigaction(signal, &action, nullptr);
  if (hangupReleases) sigaction(SIGHUP, &action, nullptr);
}

void LeaveHangup() {
  if (!hangupReleases.exchange(false) || !installed) return;
  struct sigaction current {};
  sigaction(SIGHUP, nullptr, &current);
  if (current.sa_handler == OnSignal) std::signal(SIGHUP, SIG_DFL);
}

void Arm(const sockaddr_storage& address, socklen_t length) {
  if (length == 0) return;  // never connected: no key request reached a radio
  armed = false;
  daemonAddress = address;
  daemonAddressLength = length;
  armed = true;
}

void Disarm() { armed = false; }

bool ReleaseNow() {
  if (!armed.exchange(false)) return true;
  // A connection dropped unanswered is worth a second one: rigctld 4.5 closes an ended
  // client's descriptor twice, and a connection it accepted in between dies with it.
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int fresh = ConnectFresh();
    if (fresh < 0) return false;
    const Outcome outcome = UnkeyOver(fresh);
    ::close(fresh);
    if (outcome != Outcome::Dropped) return outcome == Outcome::Confirmed;
  }
  return false;
}

}  // namespace quendal::transmitter_release
