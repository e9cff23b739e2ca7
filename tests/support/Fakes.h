#pragma once

#include <string>
#include <vector>

#include "core/platform/Clock.h"
#include "core/platform/Desktop.h"
#include "core/platform/Pause.h"
#include "core/platform/SoundOutput.h"

// Platform doubles for driving the controller and the windows without the simulator.
namespace quendal::test {

struct FakeClock final : Clock {
  LocalTime now{2024, 5, 6, 14, 0, 0, 0};
  LocalTime Now() override { return now; }
};

struct NoPause final : Pause {
  void Sleep(std::chrono::milliseconds) override {}
};

struct RecordingSound final : SoundOutput {
  std::vector<std::string> played;
  bool Play(const std::string& path) override {
    played.push_back(path);
    return true;
  }
};

struct RecordingDesktop final : Desktop {
  std::vector<std::string> events;
  void Beep() override { events.push_back("Beep"); }
  void ShowAbout() override { events.push_back("ShowAbout"); }
  void ShowHelp() override { events.push_back("ShowHelp"); }
  void Repaint() override {}
  void End() override { events.push_back("End"); }
};

}  // namespace quendal::test
