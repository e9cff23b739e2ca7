#include "RigctldTestSupport.h"

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quendal::testing {
namespace {

int ListenOnLoopback(std::uint16_t& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd, 8) != 0) {
    ::close(fd);
    return -1;
  }
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

std::uint16_t FreePort() {
  std::uint16_t port = 0;
  const int fd = ListenOnLoopback(port);
  ::close(fd);
  return port;
}

bool RealRigctld::Available() { return std::system("command -v rigctld >/dev/null 2>&1") == 0; }

RealRigctld::RealRigctld(std::uint16_t port) : port_(port) {}

bool RealRigctld::Start() {
  const std::string port = std::to_string(port_);
  pid_ = ::fork();
  if (pid_ == 0) {
    ::execlp("rigctld", "rigctld", "-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", port.c_str(),
             static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // A loaded machine may take seconds to start it.
  for (int attempt = 0; attempt < 300; ++attempt) {
    // Our daemon must be the one answering: one that could not bind the port has exited,
    // and whatever answers there is another test's.
    if (::waitpid(pid_, nullptr, WNOHANG) != 0) {
      pid_ = -1;
      return false;
    }
    if (PttFromSecondConnection(port_)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  Stop();
  return false;
}

bool RealRigctld::StartOnFreePort() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    port_ = FreePort();
    if (Start()) return true;
  }
  return false;
}

void RealRigctld::Stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::optional<std::string> PttFromSecondConnection(std::uint16_t port) {
  RigctldConnection connection({"127.0.0.1", port}, std::chrono::milliseconds(500));
  return connection.Exchange("t");
}

FakeRigctld::FakeRigctld(Misbehaviour misbehave) : misbehave_(std::move(misbehave)) {
  listener_ = ListenOnLoopback(port_);
  thread_ = std::thread([this] { Serve(); });
}

FakeRigctld::~FakeRigctld() {
  stopping_ = true;
  thread_.join();
  ::close(listener_);
}

void FakeRigctld::Serve() {
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
      const ssize_t count = ::recv(watched[i].fd, buffer, sizeof buffer, 0);
      if (count <= 0) {
        ::close(watched[i].fd);
        watched[i].fd = -1;  // poll ignores it from now on
        continue;
      }
      pending[i].append(buffer, static_cast<std::size_t>(count));
      for (std::size_t end; (end = pending[i].find('\n')) != std::string::npos;) {
        const std::string command = pending[i].substr(0, end);
        pending[i].erase(0, end + 1);
        if (misbehave_ && misbehave_(watched[i].fd, command)) continue;
        const std::optional<std::string> reply = Answer(command);
        if (reply && reply->empty()) {
          ::close(watched[i].fd);
          watched[i].fd = -1;
          break;
        }
        if (reply) ::send(watched[i].fd, reply->data(), reply->size(), MSG_NOSIGNAL);
      }
    }
  }
  for (std::size_t i = 1; i < watched.size(); ++i) {
    if (watched[i].fd >= 0) ::close(watched[i].fd);
  }
}

std::optional<std::string> FakeRigctld::Answer(const std::string& command) {
  if (command == "\\get_dcd") return squelchOpen ? "1\n" : "0\n";
  if (command == "t") return ptt ? "1\n" : "0\n";
  if (command == "T 1") {
    ++keyRequests;
    ptt = true;
    if (onKeyRequest) onKeyRequest();
    if (holdKeyReply) return std::nullopt;
  }
  if (command == "T 0") {
    ++releaseRequests;
    if (release == Release::Drop) return "";
    if (release == Release::Refuse) return "RPRT -1\n";
    ptt = false;
  }
  return "RPRT 0\n";
}

}  // namespace quendal::testing
