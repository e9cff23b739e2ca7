// quendal-guard: started by the program with its --host choice and the program's end of
// a socket pair on standard input; nothing else is read. See guard/GuardLoop.h.

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <thread>

#include "guard/GuardLoop.h"
#include "host/drivers/HostDrivers.h"

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

class SteadyStopwatch final : public quendal::guard::Stopwatch {
 public:
  Millis Elapsed() override {
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start_);
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class ThreadPause final : public quendal::Pause {
 public:
  void Sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

}  // namespace

// quendal-guard --host NAME[=ADDRESS] [--limit SECONDS]
int main(int argc, char** argv) {
  std::optional<quendal::HostChoice> choice;
  Millis limit = quendal::guard::TransmitterWatch::kDefaultLimit;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--host") choice = quendal::ParseHostChoice(argv[i + 1]);
    if (option == "--limit") limit = Millis{std::atol(argv[i + 1]) * 1000};
  }
  if (!choice || quendal::IsSimulated(*choice) || limit <= Millis{0}) {
    std::cerr << "usage: quendal-guard --host NAME[=ADDRESS] [--limit SECONDS]\n";
    return 2;
  }
  const std::shared_ptr<quendal::HostObject> link =
      quendal::ChosenHostFactory(*choice, nullptr).Create();
  if (!link) return 1;
  StandardInput parent;
  SteadyStopwatch time;
  ThreadPause pause;
  quendal::guard::RunGuard({parent, time, pause, *link, std::cerr}, limit);
  return 0;
}
