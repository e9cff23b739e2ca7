// quendal-guard: started by the program with its --host choice and the program's end of
// a socket pair on standard input; nothing else is read. See guard/GuardLoop.h.

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

#include "guard/GuardOptions.h"
#include "guard/SteadyTime.h"

namespace {

using quendal::guard::Millis;

class StandardInput final : public quendal::guard::ParentChannel {
 public:
  News Wait(std::optional<Millis> timeout) override {
    pollfd entry{STDIN_FILENO, POLLIN, 0};
    const int ready = ::poll(&entry, 1, timeout ? static_cast<int>(timeout->count()) : -1);
    if (ready == 0 || (ready < 0 && errno == EINTR)) return {News::Kind::Quiet};
    char byte = 0;
    if (ready < 0 || ::read(STDIN_FILENO, &byte, 1) != 1) return {News::Kind::Gone};
    return {News::Kind::Byte, byte};
  }
};

}  // namespace

int main(int argc, char** argv) {
  const auto options = quendal::guard::ParseGuardOptions(argc, argv);
  if (!options) {
    std::cerr << quendal::guard::kGuardUsage;
    return 2;
  }
  const std::shared_ptr<quendal::HostObject> link =
      quendal::ChosenHostFactory(options->choice, nullptr).Create();
  if (!link) return 1;
  StandardInput parent;
  quendal::guard::SteadyStopwatch time;
  quendal::guard::ThreadPause pause;
  quendal::guard::RunGuard({parent, time, pause, *link, std::cerr}, options->limit);
  return 0;
}
