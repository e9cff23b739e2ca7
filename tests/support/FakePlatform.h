#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/StationController.h"

namespace quendal::testing {

// A platform for driving the controller directly, without the simulator's event loop:
// a clock that moves only with the pauses, message boxes answered at once with their
// default button, no files, and a record of what was played and shown. `onPause` runs at
// the start of every pause, with its index.
class FakePlatform final : private Pause,
                           private MessageBoxes,
                           private Clock,
                           private Desktop,
                           private SoundOutput,
                           private HostFactory {
 public:
  explicit FakePlatform(std::shared_ptr<HostObject> host,
                        LocalTime start = {2026, 12, 6, 10, 0, 0, 0})
      : host_(std::move(host)), now_(start) {}

  // A station with no options file and no temperature file.
  Platform Make() {
    return Platform{*this, *this, *this, noFiles_,
                    *this, *this, *this, AppInfo{"/quendal", "quendal", "Quendal"}};
  }

  std::function<void(int)> onPause;
  std::vector<std::string> played;
  std::vector<std::string> shown;
  int pauses = 0;

 private:
  void Sleep(std::chrono::milliseconds duration) override {
    if (onPause) onPause(pauses);
    ++pauses;
    Advance(static_cast<int>(duration.count()));
  }
  MsgAnswer Show(const MessageRequest& request) override {
    shown.push_back(request.text);
    return request.defaultButton;
  }
  LocalTime Now() override { return now_; }
  void Beep() override {}
  void ShowAbout() override {}
  void ShowHelp() override {}
  void Repaint() override {}
  void End() override {}
  bool Play(const std::string& path) override {
    played.push_back(path);
    return true;
  }
  std::shared_ptr<HostObject> Create() override { return host_; }

  void Advance(int milliseconds) {
    int total = ((now_.hour * 60 + now_.minute) * 60 + now_.second) * 1000 + now_.millisecond +
                milliseconds;
    now_.millisecond = total % 1000;
    total /= 1000;
    now_.second = total % 60;
    now_.minute = total / 60 % 60;
    now_.hour = total / 3600 % 24;
  }

  class NoFiles final : public FileAccess {
    bool ExisteArquivo(const std::string&) override { return false; }
    std::optional<std::string> ReadText(const std::string&) override { return std::nullopt; }
    bool ReplaceAll(const std::string&, std::string_view) override { return false; }
  };

  std::shared_ptr<HostObject> host_;
  LocalTime now_;
  NoFiles noFiles_;
};

}  // namespace quendal::testing
