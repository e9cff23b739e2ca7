#include "tests/support/RigctldDaemons.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <utility>
#include <vector>

namespace quendal::test {

int ListenOnLoopback(std::uint16_t& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
  ::listen(fd, 8);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

bool RealRigctld::Available() { return std::system("command -v rigctld >/dev/null 2>&1") == 0; }

bool RealRigctld::Start() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (port_ == 0 || attempt > 0) ::close(ListenOnLoopback(port_));
    if (StartOn(port_)) return true;
  }
  return false;
}

bool RealRigctld::StartOn(std::uint16_t port) {
  pid_ = ::fork();
  if (pid_ == 0) {
    ::execlp("rigctld", "rigctld", "-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t",
             std::to_string(port).c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // Ours must be the daemon answering: one that could not bind the port has exited. A
  // loaded machine may take seconds to start it.
  own_.emplace(RigctldAddress{"127.0.0.1", port}, std::chrono::seconds(5));
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (::waitpid(pid_, nullptr, WNOHANG) != 0) return pid_ = -1, false;
    if (Ptt()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  Stop();
  return false;
}

void RealRigctld::Stop() {
  if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0) ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

FakeRigctld::FakeRigctld(Misbehaviour misbehave) : misbehave_(std::move(misbehave)) {
  listener_ = ListenOnLoopback(port_);
  thread_ = std::thread([this] {
    std::vector<pollfd> watched{{listener_, POLLIN, 0}};
    std::vector<std::string> pending{""};
    while (!stopping_) {
      if (::poll(watched.data(), watched.size(), 20) <= 0) continue;
      for (std::size_t i = 0; i < watched.size(); ++i) {
        if ((watched[i].revents & (POLLIN | POLLHUP)) == 0) continue;
        if (i == 0) {
          watched.push_back({::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC), POLLIN, 0});
          pending.emplace_back();
          continue;
        }
        char buffer[256];
        ssize_t count = ::recv(watched[i].fd, buffer, sizeof buffer, 0);
        if (count > 0) pending[i].append(buffer, std::size_t(count));
        for (std::size_t end; count > 0 && (end = pending[i].find('\n')) != std::string::npos;) {
          const std::string command = pending[i].substr(0, end);
          pending[i].erase(0, end + 1);
          if (misbehave_ && misbehave_(watched[i].fd, command)) {
            if (watched[i].fd < 0) break;
            continue;
          }
          const std::optional<std::string> reply = Answer(command);
          if (reply && reply->empty()) count = 0;
          if (reply && count > 0) ::send(watched[i].fd, reply->data(), reply->size(), MSG_NOSIGNAL);
          if (std::exchange(keyAfterReply_, false)) ptt = true;
        }
        if (count <= 0) {
          ::close(watched[i].fd);
          watched[i].fd = -1;  // poll ignores it from now on
        }
      }
    }
    for (std::size_t i = 1; i < watched.size(); ++i) {
      if (watched[i].fd >= 0) ::close(watched[i].fd);
    }
  });
}

FakeRigctld::~FakeRigctld() {
  stopping_ = true;
  thread_.join();
  ::close(listener_);
}

std::optional<std::string> FakeRigctld::Answer(const std::string& command) {
  if (command == "\\get_dcd") return squelchOpen ? "1\n" : "0\n";
  if (command == "t") return !pttReadable ? "RPRT -11\n" : ptt ? "1\n" : "0\n";
  if (command == "T 1") {
    ++keyRequests;
    if (keyAfterNextRelease) return keyHeld_ = true, std::nullopt;
    ptt = true;
    if (onKeyRequest) onKeyRequest();
    if (holdKeyReply) return std::nullopt;
  }
  if (command == "T 0") {
    ++releaseRequests;
    if (release == Release::Drop) return "";
    if (release == Release::Refuse) return "RPRT -1\n";
    ptt = false;
    keyAfterReply_ = std::exchange(keyHeld_, false);
  }
  return "RPRT 0\n";
}

}  // namespace quendal::test
