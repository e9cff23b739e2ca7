#include "tests/support/RigctldDaemons.h"

#include <arpa/inet.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include "host/rigctld/RigctldConnection.h"

namespace quendal::test {

int SilentListener(std::uint16_t& port) {
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

RealRigctld::RealRigctld() { ::close(SilentListener(port_)); }

bool RealRigctld::Start() {
  const std::string port = std::to_string(port_);
  pid_ = ::fork();
  if (pid_ == 0) {
    ::execlp("rigctld", "rigctld", "-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", port.c_str(),
             static_cast<char*>(nullptr));
    ::_exit(127);
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Ours must be the daemon answering: one that could not bind the port has exited.
    if (::waitpid(pid_, nullptr, WNOHANG) != 0) return pid_ = -1, false;
    if (Ptt()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  return false;
}

void RealRigctld::Stop() {
  if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0) ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::optional<std::string> RealRigctld::Ptt() const {
  return RigctldConnection({"127.0.0.1", port_}, std::chrono::milliseconds(500)).Exchange("t");
}

}  // namespace quendal::test
