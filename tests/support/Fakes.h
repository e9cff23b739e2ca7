#pragma once

#include <string>
#include <vector>

#include "core/platform/Clock.h"
#include "core/platform/Desktop.h"
#include "core/platform/Pause.h"
#include "core/platform/SoundOutput.h"
#include "options/ClickRules.h"

// Doubles of the platform and of the option boxes, for driving the controller, the
// windows and the option rules without the simulator.
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

// Option boxes held in memory that run the click rules as the controller does.
struct FakeOptionControls final : OptionControls {
  OptionSet options;
  std::int16_t Value(Box box) const override { return options.Value(box); }
  void SetValue(Box box, std::int16_t value) override {
    const bool changed = options.Value(box) != value;
    options.SetValue(box, value);
    if (changed) RunClickRule(box, *this);
  }
  void SetManualText(std::string text) override { options.SetText1(std::move(text)); }
  void SetTemperatureDisplay(std::string) override {}
  void RunSchedulerTick() override {}
  void Repaint() override {}
};

}  // namespace quendal::test
