#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <string>

namespace quendal {

class SoundOutput;

// Plays the files handed to the simulated host one after another, each to its end, the
// way the host program queues them. The sound card alone would cut a clip off as soon
// as the next one starts, and the hour of an announcement would never be heard.
class HostPlayback final : public QObject {
  Q_OBJECT

 public:
  // How long a file plays; zero when that cannot be told.
  using Duration = std::function<std::chrono::milliseconds(const std::string& path)>;

  explicit HostPlayback(SoundOutput& sound, Duration duration = WavDuration);

  void Enqueue(const std::string& path);

  // The length of the sound in a WAV file; zero when it cannot be read.
  static std::chrono::milliseconds WavDuration(const std::string& path);

 private:
  void PlayNext();

  SoundOutput& sound_;
  Duration duration_;
  std::deque<std::string> queue_;
  QTimer playing_;
};

}  // namespace quendal
