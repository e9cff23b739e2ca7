#include "ui/sound/QtSoundOutput.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>
#include <QtEndian>

#include <cmath>
#include <memory>
#include <numbers>

namespace quendal {
namespace {

Q_LOGGING_CATEGORY(lcSound, "quendal.sound")

// A 0.4 s ding at 880 Hz, mono 16-bit PCM in a WAV container.
QByteArray DefaultSoundWav() {
  constexpr int kRate = 22050;
  constexpr int kCount = kRate * 2 / 5;
  QByteArray pcm(kCount * 2, Qt::Uninitialized);
  for (int i = 0; i < kCount; ++i) {
    const double t = double(i) / kRate;
    const double attack = std::min(1.0, t / 0.005);
    const double level = 0.5 * attack * std::exp(-6.0 * t);
    const auto sample = static_cast<qint16>(std::lround(32767 * level * std::sin(2 * std::numbers::pi * 880 * t)));
    qToLittleEndian(sample, pcm.data() + 2 * i);
  }
  QByteArray wav;
  auto put32 = [&wav](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    wav.append(b, 4);
  };
  auto put16 = [&wav](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    wav.append(b, 2);
  };
  wav.append("RIFF");
  put32(quint32(36 + pcm.size()));
  wav.append("WAVEfmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  wav.append("data");
  put32(quint32(pcm.size()));
  wav.append(pcm);
  return wav;
}

// Lives on the playback thread; every member is touched only there.
class Player : public QObject {
 public:
  // An empty file plays the default sound.
  void Play(QString file, const QAudioDevice& device) {
    if (current_) {
      current_->stop();
      current_.release()->deleteLater();
    }
    const bool fallback = file.isEmpty();
    if (fallback) file = DefaultSoundFile();
    if (file.isEmpty()) return;

    current_ = std::make_unique<QSoundEffect>(device);
    QSoundEffect* effect = current_.get();
    QObject::connect(effect, &QSoundEffect::statusChanged, this, [this, effect, fallback, device] {
      if (effect->status() != QSoundEffect::Error || effect != current_.get()) return;
      if (fallback) {
        qCWarning(lcSound) << "cannot play the default sound";
        return;
      }
      qCWarning(lcSound) << "cannot play" << effect->source().toLocalFile()
                         << "- playing the default sound instead";
      // Not from inside the failing effect's own signal: Play deletes it.
      QMetaObject::invokeMethod(this, [this, device] { Play({}, device); }, Qt::QueuedConnection);
    });
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
  }

 private:
  QString DefaultSoundFile() {
    if (!defaultSound_) {
      defaultSound_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/quendal-default-XXXXXX.wav");
      const QByteArray wav = DefaultSoundWav();
      if (!defaultSound_->open() || defaultSound_->write(wav) != wav.size() || !defaultSound_->flush()) {
        qCWarning(lcSound) << "cannot write the default sound:" << defaultSound_->errorString();
        defaultSound_.reset();
        return {};
      }
    }
    return defaultSound_->fileName();
  }

  std::unique_ptr<QSoundEffect> current_;
  std::unique_ptr<QTemporaryFile> defaultSound_;
};

}  // namespace

struct QtSoundOutput::Impl {
  QThread thread;
  Player* player = nullptr;  // deleted on its own thread when the thread finishes
  bool warnedNoDevice = false;
};

QtSoundOutput::QtSoundOutput() : impl_(std::make_unique<Impl>()) {
  // Qt's audio back end is set up by the first thread that asks; let that be this one, so
  // its objects belong to the thread that outlives the player.
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
