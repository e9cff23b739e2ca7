#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "core/StationController.h"
#include "host/SimulatedHost.h"
#include "sim/MemoryFiles.h"
#include "sim/Scenario.h"
#include "sim/Timeline.h"

namespace quendal::sim {

struct RunOptions {
  bool verbose = false;
  bool keepFolder = false;  // write the scenario's folder out on disk at the end, for a look
};

// Runs the controller on a virtual clock as the real program's event loop would: one
// thread; a tick at every whole second while the program is idle (Timer1, Timer2,
// Timer3); nothing handled during a pause (ticks falling due are dropped, user actions
// wait); ticks nested inside an open message box, user actions waiting until it closes.
// External actions (host, files) apply exactly at their time, whatever the program does.
//
// At one instant: external actions first, then queued user actions (the platform hands
// input out before timer messages), then the tick.
class VirtualStation final : private Pause,
                             private MessageBoxes,
                             private Clock,
                             private Desktop,
                             private SoundOutput,
                             private HostFactory,
                             private StationView {
 public:
  VirtualStation(Scenario scenario, std::ostream& out, RunOptions options = {});
  ~VirtualStation() override;

  // Sets up the scenario's folder in memory and runs to the end. Returns false, having
  // written why to `errors`, when the folder cannot be set up or, kept, written out.
  bool Run(std::ostream& errors);

  const std::filesystem::path& Folder() const { return folder_; }

 private:
  static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

  bool PrepareFolder(std::ostream& errors);
  void PrepareHost();
  void ApplyHost(const std::vector<HostAssignment>& assignments);

  // The event loop. `idle` is the top level, where user actions are taken; inside a
  // message box they wait. Returns when `limit` is reached or the run has stopped.
  void Loop(std::int64_t limit, bool idle);
  void RunTick();
  void RunUserAction(const Action& action);
  void ApplyExternal(const Action& action);
  std::int64_t NextExternalTime() const;
  std::int64_t NextUserTime() const;
  // The first whole second of the clock at or after `atMs`.
  std::int64_t WholeSecondFrom(std::int64_t atMs) const;
  void Stop() { stopped_ = true; }

  std::string Relative(const std::string& path) const;
  void Print(std::string_view event) { timeline_.Event(now_, event); }

  // Platform services for the controller.
  void Sleep(std::chrono::milliseconds duration) override;
  MsgAnswer Show(const MessageRequest& request) override;
  LocalTime Now() override;
  void Beep() override { Print("Beep"); }
  void ShowAbout() override { Print("Show frmsobre"); }
  void ShowHelp() override { Print("Show Ajuda"); }
  void Repaint() override {}
  void End() override;
  bool Play(const std::string& path) override;
  std::shared_ptr<HostObject> Create() override;
  // The simulated host with every member failing, so failed calls still show.
  std::shared_ptr<HostObject> StandIn() override;

  // StationView, for the timeline.
  void BoxChanged(Box box) override;
  void Text1Changed() override;
  void DisplayChanged(DisplayField field) override;

  void OnHostCall(const SimulatedHost::Call& call);

  Scenario scenario_;
  Timeline timeline_;
  RunOptions options_;
  std::filesystem::path folder_;
  std::optional<MemoryFiles> files_;
  std::shared_ptr<SimulatedHost> host_ = std::make_shared<SimulatedHost>();
  bool hostCreationFails_ = false;
  StationController* controller_ = nullptr;

  std::vector<Action> externals_;
  std::vector<Action> userActions_;
  std::size_t nextExternal_ = 0;
  std::size_t nextUser_ = 0;
  std::size_t nextAnswer_ = 0;

  std::int64_t startEpochMs_ = 0;
  std::int64_t now_ = 0;  // virtual milliseconds since start
  std::int64_t readingAt_ = -1;
  LocalTime reading_;  // the clock at readingAt_
  std::int64_t nextTick_ = 0;
  bool stopped_ = false;
};

}  // namespace quendal::sim
