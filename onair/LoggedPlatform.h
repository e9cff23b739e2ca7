#pragma once

#include <memory>
#include <string>

#include "core/platform/FileAccess.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/SoundOutput.h"
#include "host/HostObject.h"
#include "onair/OnAirEvents.h"
#include "onair/OnAirLog.h"
#include "onair/SyncWatchedClock.h"
#include "platform/SystemClockSync.h"

// The platform services through which the program reaches the air, each writing a line to
// the on-air log for what it did. Paths are written relative to the program's folder, as
// the simulator writes them. Each logs once the call has returned, so a line's time is when
// the station took (or refused) the request.
namespace quendal::onair {

class LoggedHost final : public HostObject {
 public:
  LoggedHost(std::shared_ptr<HostObject> host, OnAirLog& log, std::string folder)
      : host_(std::move(host)), log_(log), folder_(std::move(folder)) {}

  std::optional<bool> RadioReceiving() override;
  std::optional<bool> InternetReceiving() override;
  std::optional<std::int32_t> ConnectedCount() override;
  bool SetRfTransmit(bool on) override;
  bool SetIpTransmit(bool on) override;
  bool PlayAudioFile(const std::string& path, bool flag) override;
  bool Reachable() const override { return host_->Reachable(); }

 private:
  // The call, with a line before its own when it found the host gone or back.
  template <typename Call>
  auto Watched(Call call) {
    auto result = call();
    if (host_->Reachable() != reachable_) {
      reachable_ = !reachable_;
      log_.Write(HostLinkEvent(reachable_));
    }
    return result;
  }

  std::shared_ptr<HostObject> host_;
  OnAirLog& log_;
  std::string folder_;
  bool reachable_ = true;
};

// Logs whatever host the program ends up with, the stand-in of an unreachable one included.
class LoggedHostFactory final : public HostFactory {
 public:
  LoggedHostFactory(HostFactory& hosts, OnAirLog& log, std::string folder)
      : hosts_(hosts), log_(log), folder_(std::move(folder)) {}

  std::shared_ptr<HostObject> Create() override { return Logged(hosts_.Create()); }
  std::shared_ptr<HostObject> StandIn() override { return Logged(hosts_.StandIn()); }

 private:
  std::shared_ptr<HostObject> Logged(std::shared_ptr<HostObject> host);

  HostFactory& hosts_;
  OnAirLog& log_;
  std::string folder_;
};

class LoggedSound final : public SoundOutput {
 public:
  LoggedSound(SoundOutput& sound, FileAccess& files, OnAirLog& log, std::string folder)
      : sound_(sound), files_(files), log_(log), folder_(std::move(folder)) {}

  bool Play(const std::string& path) override;

 private:
  SoundOutput& sound_;
  FileAccess& files_;
  OnAirLog& log_;
  std::string folder_;
};

// The box's text and title when it opens, the button when it closes: what was said while a
// transmitter was released for it, and how long it stood.
class LoggedMessageBoxes final : public MessageBoxes {
 public:
  LoggedMessageBoxes(MessageBoxes& boxes, OnAirLog& log) : boxes_(boxes), log_(log) {}

  MsgAnswer Show(const MessageRequest& request) override;

 private:
  MessageBoxes& boxes_;
  OnAirLog& log_;
};

// The on-air log and the four services writing to it, as a program hands them to its
// controller in place of its own. With no stream, the services only pass calls on.
struct LoggedServices {
  LoggedServices(Clock& realClock, std::ostream* out, HostFactory& realHosts,
                 SoundOutput& realSound, FileAccess& files, MessageBoxes& boxes,
                 const std::string& folder)
      : log(realClock, out),
        hosts(realHosts, log, folder),
        sound(realSound, files, log, folder),
        messages(boxes, log),
        clock(realClock, sync, log) {}

  OnAirLog log;
  LoggedHostFactory hosts;
  LoggedSound sound;
  LoggedMessageBoxes messages;
  SystemClockSync sync;
  SyncWatchedClock clock;
};

}  // namespace quendal::onair
