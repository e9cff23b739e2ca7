#include "ui/qt/HostPlayback.h"

#include <QFile>

#include "clips/WavInfo.h"
#include "core/platform/SoundOutput.h"

namespace quendal {
namespace {

// What a file that cannot be measured is given: about the length of the system sound
// the sound card plays in its place.
constexpr std::chrono::milliseconds kUnmeasured{1000};

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
  const WavInfo info = ReadWavInfo(std::string_view(bytes.constData(), bytes.size()));
  return info.error.empty() ? info.Duration() : std::chrono::milliseconds{};
}

}  // namespace quendal
