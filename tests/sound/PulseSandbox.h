#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A private PulseAudio server with one null sink, and a recorder of that sink's monitor,
// so a test can hear what a program sends to "the sound card" on any machine, as root too.
namespace quendal::test {

using SteadyTime = std::chrono::steady_clock::time_point;

// The first of pulseaudio and parec that is not on PATH, or "" when both are.
std::string MissingPulseTool();

class PulseSandbox {
 public:
  static constexpr int kRate = 48000;  // of the sink and of the recording, mono 16-bit

  PulseSandbox() = default;
  ~PulseSandbox();
  PulseSandbox(const PulseSandbox&) = delete;
  PulseSandbox& operator=(const PulseSandbox&) = delete;

  // Starts the server and points this process's PULSE_SERVER at it. "" on success,
  // otherwise what went wrong, with the server's log.
  std::string Start();
  const std::filesystem::path& Folder() const { return folder_; }
  std::string Log() const;

 private:
  std::filesystem::path folder_;
  pid_t pid_ = -1;
};

// Records the null sink's monitor with parec into a raw file, for as long as it lives.
// The recording's sample 0 is placed on the steady clock from the file's growth: each
// look at the file bounds the start from above (parec may still hold samples), and the
// tightest bound is kept.
class MonitorRecorder {
 public:
  explicit MonitorRecorder(const PulseSandbox& sandbox) : sandbox_(sandbox) {}
  ~MonitorRecorder();
  MonitorRecorder(const MonitorRecorder&) = delete;
  MonitorRecorder& operator=(const MonitorRecorder&) = delete;

  // Starts parec and waits until it delivers; "" on success, otherwise the reason.
  std::string Start();

  struct Stretch {
    SteadyTime start;  // when the first sample reached the sink
    std::vector<std::int16_t> samples;
    SteadyTime TimeOf(std::size_t sample) const;
  };
  // What reached the sink between two moments; waits until the recording holds `to`.
  Stretch Between(SteadyTime from, SteadyTime to);

 private:
  void Watch();
  SteadyTime TimeOfLocked(std::uintmax_t sample) const;

  const PulseSandbox& sandbox_;
  std::filesystem::path file_;
  pid_t pid_ = -1;
  std::thread watcher_;
  std::atomic<bool> watching_{false};
  mutable std::mutex mutex_;
  bool haveStart_ = false;
  SteadyTime start_{};
  std::uintmax_t bytes_ = 0;
};

// The stretch between the first and the last sample louder than `threshold`.
struct Sound {
  bool found = false;
  std::size_t first = 0;
  std::size_t last = 0;
  double Seconds() const { return double(last - first) / PulseSandbox::kRate; }
};
Sound FindSound(const std::vector<std::int16_t>& samples, int threshold);

}  // namespace quendal::test
