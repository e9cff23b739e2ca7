#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "host/SimulatedHost.h"

namespace quendal {
class Clock;
class SoundOutput;
}  // namespace quendal

// The stand-in for the host program's own window, with no toolkit: the operator sets what
// the host would report and sees what the program asks of it. Each desktop draws the
// table; the presenter decides what it shows.
namespace quendal::forms {

enum class StationKind : std::uint8_t {
  Group,   // a box with a caption around the controls below it
  Check,   // a check box: one of the host's reports
  Text,    // a fixed caption
  Number,  // a whole number from 0 to kMostLinked
  State,   // a transmitter's state, as the presenter words it
  List,    // the files handed to the host, one a line
};

// In pixels at 96 dots per inch, from the window's client area.
struct StationControl {
  std::string_view name;  // "" for the ones the program never reads nor writes
  StationKind kind;
  std::string_view caption;  // UTF-8
  int left, top, width, height;
};

inline constexpr std::string_view kStationTitle = "Estação simulada";
inline constexpr int kStationWidth = 380, kStationHeight = 420;
inline constexpr int kMostLinked = 999;

inline constexpr std::string_view kRadioReceiving = "radioReceiving";
inline constexpr std::string_view kInternetReceiving = "internetReceiving";
inline constexpr std::string_view kConnectedCount = "connectedCount";
inline constexpr std::string_view kHostOffline = "hostOffline";
inline constexpr std::string_view kRfTransmit = "rfTransmit";
inline constexpr std::string_view kIpTransmit = "ipTransmit";
inline constexpr std::string_view kHandedFiles = "handedFiles";

// In the order they are made, which is the keyboard's.
extern const std::span<const StationControl> kStationControls;

// What the operator has set in the window.
struct StationSettings {
  bool radioReceiving = false;
  bool internetReceiving = false;
  bool offline = false;  // every call fails
  std::int32_t connectedCount = 0;
};

// The window as the presenter sees it.
class StationPanel {
 public:
  // `state` (kRfTransmit or kIpTransmit) shows `text`, emphasised while `on`.
  virtual void ShowState(std::string_view state, std::string_view text, bool on) = 0;
  virtual void AddHandedFile(const std::string& line) = 0;
  // Calls PlaybackEnded on the presenter once `wait` has passed.
  virtual void ArmPlayback(std::chrono::milliseconds wait) = 0;

 protected:
  ~StationPanel() = default;
};

// What the window shows for the host's state, and the files handed over, played on the
// sound card one after another, each to its end, the way the host queues them: the sound
// card alone would cut a clip off as soon as the next one starts. Observes the host for as
// long as it lives; stamps the files with `clock`, the program's own, so the times match
// the main window's.
class StationPresenter final {
 public:
  // How long a file plays; zero when that cannot be told.
  using Length = std::function<std::chrono::milliseconds(const std::string& path)>;

  StationPresenter(SimulatedHost& host, SoundOutput& sound, Clock& clock, StationPanel& panel,
                   Length length = WavLength);
  ~StationPresenter();
  StationPresenter(const StationPresenter&) = delete;
  StationPresenter& operator=(const StationPresenter&) = delete;

  // The window's controls, as the host should now answer; also the first showing.
  void Apply(const StationSettings& settings);
  void PlaybackEnded();

  static std::chrono::milliseconds WavLength(const std::string& path);

 private:
  void OnCall(const SimulatedHost::Call& call);
  void ShowTransmitters();
  void PlayNext();

  SimulatedHost& host_;
  SoundOutput& sound_;
  Clock& clock_;
  StationPanel& panel_;
  Length length_;
  std::deque<std::string> queue_;
  bool playing_ = false;
};

}  // namespace quendal::forms
