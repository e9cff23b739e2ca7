#include "guard/GuardLoop.h"

#include <algorithm>
#include <array>

namespace quendal::guard {
namespace {

// Long enough for a link that takes a release only on the radio's word, some 10 s after
// the first request, and for a daemon that restarts; short enough that a guard never
// lingers.
constexpr Millis kGiveUp{30'000};
constexpr Millis kBetweenAttempts{500};
// A key request the program wrote just before dying may still wait in the host's queue
// behind the guard's first release: one more release after it settles catches that on a
// link that cannot read back what its transmitter holds (the rigctld link waits for the
// radio's word itself).
constexpr Millis kSettle{300};

const char* Name(Switch which) { return which == Switch::Rf ? "RfTransmit" : "IpTransmit"; }

bool Release(HostObject& link, Switch which) {
  return which == Switch::Rf ? link.SetRfTransmit(false) : link.SetIpTransmit(false);
}

class Guard {
 public:
  Guard(GuardPlatform platform, Millis limit) : p_(platform), watch_(limit) {}

  void Run() {
    while (true) {
      const ParentChannel::News news = p_.parent.Wait(TimeToNextTimeOut());
      if (news.kind == ParentChannel::News::Kind::Gone) return ReleaseLeftKeyed();
      if (news.kind == ParentChannel::News::Kind::Byte) {
        if (const std::optional<Event> event = Decode(news.byte)) watch_.Heard(*event, Now());
      }
      ReleaseTimedOut();
    }
  }

 private:
  Millis Now() { return p_.time.Elapsed(); }

  std::optional<Millis> TimeToNextTimeOut() {
    const std::optional<Millis> next = watch_.NextTimeOut();
    if (!next) return std::nullopt;
    return std::max(Millis{0}, *next - Now());
  }

  // One line when a switch times out, and one more when a release asked again is taken.
  void ReleaseTimedOut() {
    for (const Switch which : watch_.TimedOut(Now())) {
      const bool taken = Release(p_.link, which);
      bool& asking = askingAgain_[which == Switch::Rf ? 0 : 1];
      if (taken || !asking) {
        p_.log << "quendal-guard: " << Name(which) << " keyed for " << watch_.Limit().count() / 1000
               << " s: " << (taken ? "released" : "release not confirmed, asking again")
               << std::endl;
      }
      asking = !taken;
      watch_.ReleasedByGuard(which, taken, Now());
    }
  }

  void ReleaseLeftKeyed() {
    for (const Switch which : watch_.NotConfirmedOff()) {
      const bool taken = ReleaseUntilTaken(which);
      p_.log << "quendal-guard: the program ended with " << Name(which)
             << " not released: " << (taken ? "released" : "the host did not take the release")
             << std::endl;
    }
  }

  bool ReleaseUntilTaken(Switch which) {
    for (const Millis start = Now(); Now() - start < kGiveUp; p_.pause.Sleep(kBetweenAttempts)) {
      if (Release(p_.link, which)) {
        p_.pause.Sleep(kSettle);
        Release(p_.link, which);
        return true;
      }
    }
    return false;
  }

  GuardPlatform p_;
  TransmitterWatch watch_;
  std::array<bool, 2> askingAgain_{};
};

}  // namespace

void RunGuard(GuardPlatform platform, Millis limit) { Guard(platform, limit).Run(); }

}  // namespace quendal::guard
