#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Display.h"
#include "core/StationState.h"
#include "core/platform/Clock.h"
#include "core/platform/Desktop.h"
#include "core/platform/FileAccess.h"
#include "core/platform/MessageBoxes.h"
#include "core/platform/Pause.h"
#include "core/platform/SoundOutput.h"
#include "host/HostObject.h"
#include "options/OptionControls.h"
#include "options/OptionSet.h"

namespace quendal {

// The platform services the controller runs on. All outlive the controller.
struct Platform {
  HostFactory& hosts;
  SoundOutput& sound;
  Pause& pause;
  FileAccess& files;
  Clock& clock;
  MessageBoxes& messages;
  Desktop& desktop;
  AppInfo app;
};

// The main window's behaviour, with no window: it owns the options and the working
// state, and each handler is a straight sequence of steps over the platform.
//
// Single-threaded. A handler may be re-entered from a timer tick while it waits in a
// message box (the platform delivers ticks there); the handlers are written for that.
// Transmit switches the program turned on are turned off before any message box opens
// and before the program ends, so no wait for the operator ever keeps a carrier up; a
// release the host refused or lost is asked again on every tick until it is confirmed.
class StationController final : private OptionControls {
 public:
  explicit StationController(Platform platform);

  void SetView(StationView* view) { view_ = view ? view : &noView_; }

  // Load sequence: host object, hour and minute, timers, options file.
  void Form_Load();
  bool TimersEnabled() const { return timersEnabled_; }

  // The three timers' ticks; the main window's designed Tick runs them, in this order,
  // each second.
  void Timer1_Timer();  // clock refresh
  void Timer2_Timer();  // scheduler
  // Timer3: the lights, and a release the host has not yet confirmed is asked again.
  void RefreshLights();

  // Buttons.
  void hora_rf_Click();
  void hora_ip_Click();
  void Command2_Click();  // "Envia Temperatura"
  void Command3_Click();  // "Sobre"
  void Command4_Click();  // "Ajuda"
  void Command5_Click() { SaveOptions(); }
  void Command6_Click() { ApplyOptions(); }  // "Lê as opções"
  void Command1_Click() { AskQuit(); }

  // Asks whether to quit; on Yes releases the station and ends the program. Returns
  // true when the program has ended; false cancels a close request.
  bool AskQuit();

  void SaveOptions();
  // Reads the options file into the boxes, as the "Lê as opções" button does.
  void ApplyOptions() { ApplyOptions(OptionsCaller::Button); }

  // The operator toggles a box: 0 becomes 1, 1 or 2 become 0.
  void ClickBox(Box box);
  // Writes a box's value; when it changes, the box's click rule runs.
  void SetBox(Box box, std::int16_t value);
  // What the operator typed into the manual temperature; no rule runs.
  void TypeText1(std::string text) { options_.SetText1(std::move(text)); }

  bool ExisteArquivo(const std::string& name) { return platform_.files.ExisteArquivo(name); }

  const OptionSet& Options() const { return options_; }
  const StationState& State() const { return state_; }
  const Display& GetDisplay() const { return display_; }
  // Once true, no handler does anything more: the timers of one tick stop between them.
  bool HasEnded() const { return ended_; }

 private:
  enum class OptionsCaller { Load, Button };

  // A file that grew a line per reading would otherwise key the transmitter once per line
  // and hold the window for as long.
  static constexpr std::size_t kMostTemperaturesSpoken = 10;

  // OptionControls, for the click rules and the options reader.
  std::int16_t Value(Box box) const override { return options_.Value(box); }
  void SetValue(Box box, std::int16_t value) override { SetBox(box, value); }
  void SetManualText(std::string text) override;
  void SetTemperatureDisplay(std::string text) override;
  void RunSchedulerTick() override { Timer2_Timer(); }
  void Repaint() override { platform_.desktop.Repaint(); }

  // A transmit switch as the program asked it and as the host last confirmed it.
  struct TransmitSwitch {
    bool asked = false;
    // Only a release the host took confirms a switch off: a failed write, either way,
    // may still have reached the transmitter.
    bool confirmedOff = true;
    void Record(bool on, bool taken) {
      asked = on;
      confirmedOff = on ? false : taken || confirmedOff;
    }
    bool AwaitsRelease() const { return !asked && !confirmedOff; }
  };

  void ApplyOptions(OptionsCaller caller);
  // `reading` is the clock reading that matched the schedule: its hour and minute are
  // the ones spoken, however stale the clock refresh's texts are by then.
  void RunScheduledAnnouncement(const LocalTime& reading);
  void TemperatureTail(bool afterRfTime);
  void SendRf(const std::string& key);
  void SendIp(const std::string& key);
  void AnnounceKey(const std::string& key);
  // Tells the operator, leaves `blanks` in the manual text and turns the manual source off.
  void RejectManualValue(const char* blanks);

  // Both reception guards, radio first; true when either side is receiving. A flag that
  // cannot be read counts as not receiving.
  bool StationReceiving();
  void PadHoraMinuto();
  std::optional<std::string> ReadTemperatureFile();
  // The keys an announcement speaks: those of the first matching lines of the file.
  std::vector<std::string> SpokenTemperatureKeys();

  // Platform steps. After the program has ended they do nothing, so a sequence that
  // unwinds from a nested end puts nothing more on air.
  void Wait(int milliseconds);
  void RfTransmit(bool on);
  void IpTransmit(bool on);
  void PlayOnRf(const std::string& path);
  void PlayOnIp(const std::string& path);
  MsgAnswer ShowMessage(std::string text);
  // Any of the missing-temperature-file boxes; the clock refresh adds none while one is open.
  void ShowTemperatureFileMissing(const char* text);
  MsgAnswer ShowMessage(MessageRequest request);
  void ReleaseTransmitters();
  void RetryUnconfirmedReleases();
  void SetLabel(std::string& field, DisplayField which, std::string text);

  Platform platform_;
  OptionSet options_;
  StationState state_;
  Display display_;
  StationView noView_;
  StationView* view_ = &noView_;

  bool timersEnabled_ = false;
  bool ended_ = false;
  TransmitSwitch rf_;
  TransmitSwitch ip_;
  // A scheduler tick that comes in while a scheduled announcement waits in one of its
  // message boxes ends at once, so one scheduled time never starts two announcements.
  bool scheduledAnnouncementRunning_ = false;
  // A missing-temperature-file box is on screen.
  bool temperatureFileBoxOpen_ = false;
};

}  // namespace quendal
