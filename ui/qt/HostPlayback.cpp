#include "ui/qt/HostPlayback.h"

#include <QFile>

#include "clips/WavClip.h"
#include "core/platform/SoundOutput.h"

namespace quendal {
namespace {

// What a file that cannot be measured is given: about the length of the system sound
// the sound card plays in its place.
constexpr std::chrono::milliseconds kUnmeasured{1000};

int BytesPerSample(WavClip::Sample sample) {
  switch (sample) {
    case WavClip::Sample::kUInt8:
      return 1;
    case WavClip::Sample::kInt16:
      return 2;
    case WavClip::Sample::kInt32:
    case WavClip::Sample::kFloat32:
      return 4;
  }
  return 2;
}

}  // namespace

HostPlayback::HostPlayback(SoundOutput& sound, Duration duration)
    : sound_(sound), duration_(std::move(duration)) {
  playing_.setSingleShot(true);
  connect(&playing_, &QTimer::timeout, this, &HostPlayback::PlayNext);
}

void HostPlayback::Enqueue(const std::string& path) {
  queue_.push_back(path);
  if (!playing_.isActive()) PlayNext();
}

void HostPlayback::PlayNext() {
  if (queue_.empty()) return;
  const std::string path = std::move(queue_.front());
  queue_.pop_front();
  sound_.Play(path);
  const std::chrono::milliseconds length = duration_(path);
  playing_.start(length.count() > 0 ? length : kUnmeasured);
}

std::chrono::milliseconds HostPlayback::WavDuration(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const WavClip clip = ParseWav(std::string_view(bytes.constData(), bytes.size()));
  if (!clip.error.empty() || clip.channels <= 0 || clip.sampleRate <= 0) return {};
  const long long frames =
      static_cast<long long>(clip.pcm.size()) / (clip.channels * BytesPerSample(clip.sample));
  return std::chrono::milliseconds(frames * 1000 / clip.sampleRate);
}

}  // namespace quendal
