#include "ui/qt/sound/QtSoundOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <memory>
#include <numbers>

#include "clips/WavClip.h"

namespace quendal {
namespace {

Q_LOGGING_CATEGORY(lcSound, "quendal.sound")

// Stands in for a clip that cannot be played: a 0.4 s ding at 880 Hz.
WavClip DefaultSound() {
  constexpr int kRate = 22050;
  constexpr int kCount = kRate * 2 / 5;
  WavClip clip;
  clip.sample = WavClip::Sample::kInt16;
  clip.channels = 1;
  clip.sampleRate = kRate;
  clip.pcm.resize(2 * kCount);
  for (int i = 0; i < kCount; ++i) {
    const double t = double(i) / kRate;
    const double level = 0.5 * std::min(1.0, t / 0.005) * std::exp(-6.0 * t);
    const auto sample = static_cast<std::uint16_t>(
        std::lround(32767 * level * std::sin(2 * std::numbers::pi * 880 * t)));
    clip.pcm[std::size_t(2 * i)] = static_cast<char>(sample & 0xff);
    clip.pcm[std::size_t(2 * i + 1)] = static_cast<char>(sample >> 8);
  }
  return clip;
}

QAudioFormat FormatOf(const WavClip& clip) {
  QAudioFormat format;
  format.setSampleRate(clip.sampleRate);
  format.setChannelCount(clip.channels);
  switch (clip.sample) {
    case WavClip::Sample::kUInt8:
      format.setSampleFormat(QAudioFormat::UInt8);
      break;
    case WavClip::Sample::kInt16:
      format.setSampleFormat(QAudioFormat::Int16);
      break;
    case WavClip::Sample::kInt32:
      format.setSampleFormat(QAudioFormat::Int32);
      break;
    case WavClip::Sample::kFloat32:
      format.setSampleFormat(QAudioFormat::Float);
      break;
  }
  return format;
}

// Lives on the playback thread; every member is touched only there.
class Player : public QObject {
 public:
  Player() : defaultSound_(DefaultSound()), pcm_(this), idle_(this) {
    // The output keeps playing what it holds after the clip's last byte went in; closing
    // it at once would cut off the end of every clip.
    idle_.setSingleShot(true);
    idle_.setInterval(2000);
    QObject::connect(&idle_, &QTimer::timeout, this, [this] { Stop(); });
  }
  ~Player() override { Stop(); }

  // An empty file plays the default sound.
  void Play(const QString& file, const QAudioDevice& device) {
    Stop();
    if (file.isEmpty()) {
      Start(defaultSound_, device);
      return;
    }
    QFile in(file);
    WavClip clip;
    if (in.open(QIODevice::ReadOnly)) {
      clip = ParseWav(in.readAll().toStdString());
    } else {
      clip.error = in.errorString().toStdString();
    }
    if (!clip.error.empty()) {
      qCWarning(lcSound).noquote()
          << QStringLiteral("cannot play \"%1\" (%2) - playing the default sound instead")
                 .arg(file, QString::fromStdString(clip.error));
      Start(defaultSound_, device);
      return;
    }
    Start(clip, device);
  }

 private:
  void Start(const WavClip& clip, const QAudioDevice& device) {
    const QAudioFormat format = FormatOf(clip);
    if (!device.isFormatSupported(format)) {
      qCWarning(lcSound) << "the audio output cannot play" << format;
      return;
    }
    pcm_.setData(clip.pcm.data(), static_cast<int>(clip.pcm.size()));
    pcm_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::IdleState) idle_.start();
    });
    sink_->start(&pcm_);
    if (sink_->error() != QAudio::NoError) {
      qCWarning(lcSound) << "the audio output refused the clip, error" << sink_->error();
      Stop();
    }
  }

  void Stop() {
    idle_.stop();
    if (sink_) {
      sink_->disconnect(this);
      sink_->stop();
      sink_.reset();
    }
    pcm_.close();
  }

  // Children, so they move to the playback thread with the player.
  const WavClip defaultSound_;
  QBuffer pcm_;
  QTimer idle_;
  std::unique_ptr<QAudioSink> sink_;
};

}  // namespace

struct QtSoundOutput::Impl {
  QThread thread;
  Player* player = nullptr;  // deleted on its own thread when the thread finishes
  bool warnedNoDevice = false;
};

QtSoundOutput::QtSoundOutput() : impl_(std::make_unique<Impl>()) {
  // Qt's audio back end is set up by the first thread that asks; let that be this one, so
  // its objects belong to a thread that outlives the player's.
  (void)QMediaDevices::defaultAudioOutput();
  impl_->player = new Player;
  impl_->player->moveToThread(&impl_->thread);
  QObject::connect(&impl_->thread, &QThread::finished, impl_->player, &QObject::deleteLater);
  impl_->thread.setObjectName("quendal-sound");
  impl_->thread.start();
}

QtSoundOutput::~QtSoundOutput() {
  impl_->thread.quit();
  impl_->thread.wait();
}

bool QtSoundOutput::Play(const std::string& path) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) {
    if (!impl_->warnedNoDevice) {
      qCWarning(lcSound) << "no audio output device; clips are not played";
      impl_->warnedNoDevice = true;
    }
    return false;
  }
  QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) {
    qCWarning(lcSound) << "no clip" << file << "- playing the default sound instead";
    file.clear();
  }
  QMetaObject::invokeMethod(
      impl_->player, [player = impl_->player, file, device] { player->Play(file, device); },
      Qt::QueuedConnection);
  return true;
}

}  // namespace quendal
