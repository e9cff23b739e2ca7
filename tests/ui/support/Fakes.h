#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/Clock.h"
#include "core/platform/Desktop.h"
#include "core/platform/Pause.h"
#include "core/platform/SoundOutput.h"
#include "host/SimulatedHost.h"

namespace quendal::test {

// A clock that reads what the test set.
class FakeClock final : public Clock {
 public:
  LocalTime now{2024, 5, 6, 14, 0, 0, 0};
  LocalTime Now() override { return now; }
};

// Pauses that return at once and are remembered.
class RecordingPause final : public Pause {
 public:
  std::vector<long long> waits;
  void Sleep(std::chrono::milliseconds duration) override { waits.push_back(duration.count()); }
};

class RecordingSound final : public SoundOutput {
 public:
  std::vector<std::string> played;
  bool Play(const std::string& path) override {
    played.push_back(path);
    return true;
  }
};

class RecordingDesktop final : public Desktop {
 public:
  std::vector<std::string> events;
  void Beep() override { events.push_back("Beep"); }
  void ShowAbout() override { events.push_back("ShowAbout"); }
  void ShowHelp() override { events.push_back("ShowHelp"); }
  void Repaint() override { events.push_back("Repaint"); }
  void End() override { events.push_back("End"); }
};

class FixedHost final : public HostFactory {
 public:
  std::shared_ptr<SimulatedHost> host = std::make_shared<SimulatedHost>();
  std::shared_ptr<HostObject> Create() override { return host; }
};

}  // namespace quendal::test
