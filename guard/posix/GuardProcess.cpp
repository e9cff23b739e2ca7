// The guard on POSIX: a child process in a session of its own, so the terminal's
// Ctrl-C or hang-up that ends the program does not end its guard too, reading the
// program's events from a socket pair on its standard input.

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "guard/GuardedHostFactory.h"

extern char** environ;

namespace quendal::guard {
namespace {

class ChildGuard final : public GuardLine {
 public:
  explicit ChildGuard(int fd) : fd_(fd) {}
  ~ChildGuard() override { ::close(fd_); }
  // A socket, not a pipe, so a guard that has gone is a failed send, not SIGPIPE.
  void Tell(Event event) override {
    const char byte = Encode(event);
    (void)::send(fd_, &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
  }

 private:
  int fd_;
};

// quendal-guard stands beside the program's own executable, installed or built.
std::string GuardExecutable() {
  char self[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return {};
  const std::string path(self, static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1) + "quendal-guard";
}

bool Spawn(const std::string& executable, const HostChoice& choice, int childEnd) {
  const std::string host =
      choice.address.empty() ? choice.driver : choice.driver + "=" + choice.address;
  const char* argv[] = {"quendal-guard", "--host", host.c_str(), nullptr};
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, childEnd, STDIN_FILENO);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, executable.c_str(), &files, &attributes,
                                  const_cast<char* const*>(argv), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&files);
  return error == 0;
}

}  // namespace

std::shared_ptr<GuardLine> LaunchGuard(const HostChoice& choice) {
  const std::string executable = GuardExecutable();
  int ends[2];
  if (executable.empty() || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    return nullptr;
  }
  const bool started = Spawn(executable, choice, ends[1]);
  ::close(ends[1]);
  if (!started) {
    ::close(ends[0]);
    return nullptr;
  }
  return std::make_shared<ChildGuard>(ends[0]);
}

}  // namespace quendal::guard
