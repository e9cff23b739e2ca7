// A daemon that misbehaves in every way a network peer can: each call still returns within
// its deadline, with the right value or a failure, and the next call, on a new connection,
// gets the right value again.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "host/rigctld/RigctldHost.h"

namespace quendal {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

void Send(int fd, const std::string& bytes) {
  ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// Sends `bytes` over and over until the peer goes or `length` has passed.
void Flood(int fd, const std::string& bytes, std::chrono::milliseconds length) {
  for (const auto end = Clock::now() + length; Clock::now() < end;) {
    if (::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) < 0) return;
  }
}

// Misbehaves as told on the first command it reads; answers "1" to every later one, on
// whichever connection it comes.
class MisbehavingRigctld {
 public:
  explicit MisbehavingRigctld(std::function<void(int&)> act) : act_(std::move(act)) {
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof address;
    ::bind(watched_[0].fd, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(watched_[0].fd, 4);
    ::getsockname(watched_[0].fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    thread_ = std::thread([this] {
      while (!stopping_) Serve();
    });
  }
  ~MisbehavingRigctld() {
    stopping_ = true;
    thread_.join();
    for (const pollfd& entry : watched_) ::close(entry.fd);
  }
  std::uint16_t port = 0;

 private:
  void Serve() {
    if (::poll(watched_.data(), watched_.size(), 20) <= 0) return;
    if (watched_[0].revents & POLLIN)
      watched_.push_back({::accept(watched_[0].fd, nullptr, nullptr), POLLIN, 0});
    for (std::size_t i = 1; i < watched_.size(); ++i) {
      char command[64];
      if (!(watched_[i].revents & POLLIN)) continue;
      if (::recv(watched_[i].fd, command, sizeof command, 0) <= 0) {
        ::close(std::exchange(watched_[i].fd, -1));  // poll skips it from now on
      } else if (!std::exchange(acted_, true)) {
        act_(watched_[i].fd);
      } else {
        Send(watched_[i].fd, "1\n");
      }
    }
  }

  std::function<void(int&)> act_;
  std::vector<pollfd> watched_{{::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), POLLIN, 0}};
  bool acted_ = false;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

TEST(RigctldMisbehaviour, EveryCallKeepsItsDeadlineAndItsValue) {
  const auto reset = [](int& fd) {
    const linger abort{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    ::close(fd);
    fd = -1;
  };
  const struct {
    const char* name;
    std::function<void(int&)> act;
    std::optional<bool> receiving;
  } cases[] = {
      {"answer", [](int fd) { Send(fd, "0\n"); }, false},
      {"split", [](int fd) { Send(fd, "0"), std::this_thread::sleep_for(50ms), Send(fd, "\r\n"); },
       false},
      {"RPRT -1", [](int fd) { Send(fd, "RPRT -1\n"); }, std::nullopt},
      {"garbage", [](int fd) { Send(fd, "\x01\xff?\n"); }, std::nullopt},
      {"partial", [](int fd) { Send(fd, "0"); }, std::nullopt},
      {"silent", [](int) {}, std::nullopt},
      {"slow", [](int fd) { std::this_thread::sleep_for(450ms), Send(fd, "0\n"); }, std::nullopt},
      {"reset mid-reply", [&](int& fd) { Send(fd, "RP"), reset(fd); }, std::nullopt},
      {"close", [](int fd) { ::shutdown(fd, SHUT_RDWR); }, std::nullopt},
      {"flood", [](int fd) { Flood(fd, std::string(65536, 'x'), 3s); }, std::nullopt},
      {"long line", [](int fd) { Send(fd, std::string(8192, '0') + "\n"); }, std::nullopt},
      {"late extra line",
       [](int fd) { Send(fd, "0\n"), std::this_thread::sleep_for(50ms), Send(fd, "0\n"); }, false},
  };
  for (const auto& c : cases) {
    MisbehavingRigctld daemon(c.act);
    RigctldHost host({"127.0.0.1", daemon.port}, 300ms);
    for (const std::optional<bool> expected : {c.receiving, std::optional<bool>(true)}) {
      const auto started = Clock::now();
      EXPECT_EQ(host.RadioReceiving(), expected) << c.name;
      EXPECT_LT(Clock::now() - started, 300ms + 200ms) << c.name;
      std::this_thread::sleep_for(100ms);  // anything the daemon still sends has come
    }
  }
}

}  // namespace
}  // namespace quendal
