// The simulated station's window: what the operator sets reaches the host's answers,
// and what the program asks of the host shows and is heard, one file after another.
#include <gmock/gmock.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "tests/support/ScratchFolder.h"
#include "tests/ui/support/WindowRig.h"
#include "ui/qt/HostPlayback.h"
#include "ui/qt/SimulatedHostWindow.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

TEST(SimulatedHostWindow, setsWhatTheHostAnswersAndShowsWhatItIsAsked) {
  SimulatedHost host;
  RecordingSound sound;
  FakeClock clock;
  SimulatedHostWindow window{host, sound, clock};
  Child<QCheckBox>(window, "radioReceiving").click();
  Child<QCheckBox>(window, "internetReceiving").click();
  Child<QSpinBox>(window, "connectedCount").setValue(3);
  EXPECT_EQ(host.RadioReceiving(), true);
  EXPECT_EQ(host.InternetReceiving(), true);
  EXPECT_EQ(host.ConnectedCount(), 3);
  Child<QCheckBox>(window, "hostOffline").click();
  EXPECT_EQ(host.RadioReceiving(), std::nullopt);
  EXPECT_FALSE(host.SetRfTransmit(true));
  Child<QCheckBox>(window, "hostOffline").click();
  EXPECT_EQ(host.RadioReceiving(), true) << "back with the settings shown";
  EXPECT_EQ(host.ConnectedCount(), 3);

  const auto shown = [&] {
    return Child<QLabel>(window, "rfTransmit").text() + " " +
           Child<QLabel>(window, "ipTransmit").text();
  };
  EXPECT_EQ(shown(), "desligado desligado");
  host.SetRfTransmit(true);
  host.SetIpTransmit(true);
  EXPECT_EQ(shown(), "LIGADO LIGADO");
  host.SetRfTransmit(false);
  EXPECT_EQ(shown(), "desligado LIGADO");

  host.PlayAudioFile("/opt/quendal/hora/hrs14.wav", true);
  host.PlayAudioFile("/my clips/hora/min05.wav", true);
  auto& list = Child<QListWidget>(window, "handedFiles");
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(1)->text(), "14:00:00  /my clips/hora/min05.wav") << "the program's time";
  EXPECT_THAT(sound.played, ElementsAre("/opt/quendal/hora/hrs14.wav")) << "the second waits";
}

TEST(HostPlayback, playsHandedFilesOneAfterAnotherEachToItsEnd) {
  RecordingSound sound;
  HostPlayback playback(sound, [](const std::string& path) {
    return std::chrono::milliseconds(path == "long" ? 60 : 10);
  });
  for (const char* file : {"long", "short", "last"}) playback.Enqueue(file);
  QTest::qWait(30);
  EXPECT_THAT(sound.played, ElementsAre("long")) << "the first is still playing";
  EXPECT_TRUE(QTest::qWaitFor([&] { return sound.played.size() == 3; }, 2000));
  EXPECT_THAT(sound.played, ElementsAre("long", "short", "last"));
}

TEST(HostPlayback, measuresAWavFileByItsFrames) {
  ScratchFolder folder;
  const auto le = [](std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
  };
  // 16-bit stereo at 8000 Hz: 1600 frames last 200 ms.
  const std::uint32_t data = 1600 * 4;
  WriteBytes(folder / "clip.wav", "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                                      le(2, 2) + le(8000, 4) + le(32000, 4) + le(4, 2) + le(16, 2) +
                                      "data" + le(data, 4) + std::string(data, '\0'));
  EXPECT_EQ(HostPlayback::WavDuration((folder / "clip.wav").string()),
            std::chrono::milliseconds(200));
  EXPECT_EQ(HostPlayback::WavDuration((folder / "missing.wav").string()),
            std::chrono::milliseconds(0));
}

}  // namespace
}  // namespace quendal::test
