// The simulated station's window: what the operator sets reaches the host's answers,
// and what the program asks of the host shows and is heard, one file after another.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDataStream>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/support/Fakes.h"
#include "ui/HostPlayback.h"
#include "ui/SimulatedHostWindow.h"

namespace quendal::test {
namespace {

class SimulatedHostWindowTest : public testing::Test {
 protected:
  template <typename T>
  T& Control(const char* name) {
    return *window.findChild<T*>(name);
  }

  SimulatedHost host;
  RecordingSound sound;
  FakeClock clock;
  SimulatedHostWindow window{host, sound, clock};
};

TEST_F(SimulatedHostWindowTest, controlsSetWhatTheHostAnswers) {
  EXPECT_EQ(window.windowTitle(), "Estação simulada");
  EXPECT_EQ(Control<QCheckBox>("radioReceiving").text(), "Rádio recebendo");
  EXPECT_EQ(Control<QCheckBox>("internetReceiving").text(), "Internet recebendo");
  EXPECT_EQ(host.RadioReceiving(), false);

  Control<QCheckBox>("radioReceiving").click();
  Control<QCheckBox>("internetReceiving").click();
  Control<QSpinBox>("connectedCount").setValue(3);
  EXPECT_EQ(host.RadioReceiving(), true);
  EXPECT_EQ(host.InternetReceiving(), true);
  EXPECT_EQ(host.ConnectedCount(), 3);

  Control<QCheckBox>("hostOffline").click();
  EXPECT_EQ(host.RadioReceiving(), std::nullopt);
  EXPECT_FALSE(host.SetRfTransmit(true));
  Control<QCheckBox>("hostOffline").click();
  EXPECT_EQ(host.RadioReceiving(), true) << "back with the settings shown";
  EXPECT_EQ(host.ConnectedCount(), 3);
}

TEST_F(SimulatedHostWindowTest, showsTheTransmitSwitchesAndPlaysEveryFileHandedOver) {
  EXPECT_EQ(Control<QLabel>("rfTransmit").text(), "desligado");
  host.SetRfTransmit(true);
  EXPECT_EQ(Control<QLabel>("rfTransmit").text(), "LIGADO");
  host.SetIpTransmit(true);
  EXPECT_EQ(Control<QLabel>("ipTransmit").text(), "LIGADO");
  host.SetRfTransmit(false);
  EXPECT_EQ(Control<QLabel>("rfTransmit").text(), "desligado");

  host.PlayAudioFile("/opt/quendal/hora/hrs14.wav", true);
  host.PlayAudioFile("/my clips/hora/min05.wav", true);
  auto& list = Control<QListWidget>("handedFiles");
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(1)->text(), "14:00:00  /my clips/hora/min05.wav") << "the program's time";
  // Queued as the host would: the second waits for the first to end.
  EXPECT_THAT(sound.played, testing::ElementsAre("/opt/quendal/hora/hrs14.wav"));
}

TEST(HostPlaybackTest, playsHandedFilesOneAfterAnotherEachToItsEnd) {
  RecordingSound sound;
  HostPlayback playback(sound, [](const std::string& path) {
    return std::chrono::milliseconds(path == "long" ? 60 : 10);
  });
  playback.Enqueue("long");
  playback.Enqueue("short");
  playback.Enqueue("last");
  EXPECT_THAT(sound.played, testing::ElementsAre("long"));
  QTest::qWait(30);
  EXPECT_THAT(sound.played, testing::ElementsAre("long")) << "the first is still playing";
  EXPECT_TRUE(QTest::qWaitFor([&] { return sound.played.size() == 3; }, 2000));
  EXPECT_THAT(sound.played, testing::ElementsAre("long", "short", "last"));
}

TEST(HostPlaybackTest, measuresAWavFileByItsFrames) {
  QTemporaryDir folder;
  const QString path = folder.filePath("clip.wav");
  // 16-bit mono at 8000 Hz: 1600 frames last 200 ms.
  const int dataBytes = 1600 * 2;
  QByteArray wav;
  QDataStream out(&wav, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(36 + dataBytes);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
      << quint16(16);
  out.writeRawData("data", 4);
  out << quint32(dataBytes);
  wav.append(QByteArray(dataBytes, '\0'));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(wav);
  file.close();

  EXPECT_EQ(HostPlayback::WavDuration(path.toStdString()), std::chrono::milliseconds(200));
  EXPECT_EQ(HostPlayback::WavDuration(folder.filePath("missing.wav").toStdString()),
            std::chrono::milliseconds(0));
}

}  // namespace
}  // namespace quendal::test
