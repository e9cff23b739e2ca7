// quendal-guard.exe: started by the program with its --host choice, its own process as
// an inherited handle (--parent) and its end of a named pipe on standard input. Each
// release goes through an automation object of the host made for it. See
// guard/GuardLoop.h.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <iostream>

#include "guard/GuardOptions.h"
#include "guard/SteadyTime.h"
#include "host/echolink/EchoLinkHost.h"

namespace {

using quendal::guard::Millis;

// What the program wrote before it went is still read: bytes already in the pipe complete
// a read at once, and this is how long a last one may take to be handed over.
constexpr DWORD kLastBytes = 200;

class PipeAndParent final : public quendal::guard::ParentChannel {
 public:
  PipeAndParent(HANDLE pipe, HANDLE parent) : pipe_(pipe), parent_(parent) {
    overlapped_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  }
  ~PipeAndParent() override {
    if (reading_) CancelIo(pipe_);
    CloseHandle(overlapped_.hEvent);
  }

  News Wait(std::optional<Millis> timeout) override {
    if (!reading_ && !StartRead()) return {News::Kind::Gone};
    const HANDLE handles[] = {overlapped_.hEvent, parent_};
    const DWORD limit =
        timeout ? DWORD(std::clamp<Millis::rep>(timeout->count(), 0, 0x7fffffff)) : INFINITE;
    switch (WaitForMultipleObjects(2, handles, FALSE, limit)) {
      case WAIT_OBJECT_0:
        return FinishRead();
      case WAIT_TIMEOUT:
        return {News::Kind::Quiet};
      case WAIT_OBJECT_0 + 1:
        if (WaitForSingleObject(overlapped_.hEvent, kLastBytes) == WAIT_OBJECT_0)
          return FinishRead();
        [[fallthrough]];
      default:
        return {News::Kind::Gone};
    }
  }

 private:
  bool StartRead() {
    ResetEvent(overlapped_.hEvent);
    reading_ =
        ReadFile(pipe_, &byte_, 1, nullptr, &overlapped_) || GetLastError() == ERROR_IO_PENDING;
    return reading_;
  }
  News FinishRead() {
    reading_ = false;
    DWORD count = 0;
    if (!GetOverlappedResult(pipe_, &overlapped_, &count, FALSE) || count != 1) {
      return {News::Kind::Gone};
    }
    return {News::Kind::Byte, byte_};
  }

  HANDLE pipe_;
  HANDLE parent_;
  OVERLAPPED overlapped_{};
  char byte_ = 0;
  bool reading_ = false;
};

// The release through an object made for it: the program's object may belong to a host
// that has restarted since, and an object held all day would keep the host's server from
// ending. Making it and each call have deadlines, so a hung host costs an attempt, not
// the guard: the loop asks again until its own time-out. The guard only ever releases.
class FreshHostLink final : public quendal::HostObject {
 public:
  FreshHostLink() = default;

  std::optional<bool> RadioReceiving() override { return std::nullopt; }
  std::optional<bool> InternetReceiving() override { return std::nullopt; }
  std::optional<std::int32_t> ConnectedCount() override { return std::nullopt; }
  bool SetRfTransmit(bool on) override {
    return WithLink([on](quendal::HostObject& link) { return link.SetRfTransmit(on); });
  }
  bool SetIpTransmit(bool on) override {
    return WithLink([on](quendal::HostObject& link) { return link.SetIpTransmit(on); });
  }
  bool PlayAudioFile(const std::string&, bool) override { return false; }

 private:
  template <typename Call>
  bool WithLink(Call call) {
    using namespace std::chrono_literals;
    const std::shared_ptr<quendal::HostObject> link =
        quendal::EchoLinkHostFactory({.call = 500ms, .start = 2000ms}).Create();
    return link && call(*link);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const auto options = quendal::guard::ParseGuardOptions(argc, argv);
  if (!options || options->parent.empty()) {
    std::cerr << quendal::guard::kGuardUsage;
    return 2;
  }
  const auto parent =
      reinterpret_cast<HANDLE>(std::uintptr_t(std::strtoull(options->parent.c_str(), nullptr, 10)));
  PipeAndParent channel(GetStdHandle(STD_INPUT_HANDLE), parent);
  FreshHostLink link;
  quendal::guard::SteadyStopwatch time;
  quendal::guard::ThreadPause pause;
  quendal::guard::RunGuard({channel, time, pause, link, std::cerr}, options->limit);
  return 0;
}
