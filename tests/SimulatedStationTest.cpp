// The simulated station's presenter: files handed to the host play one after another,
// each to its end, and what the panel shows follows the host.
#include "ui/forms/SimulatedStation.h"

#include <gmock/gmock.h>

#include "clips/WavInfo.h"
#include "tests/support/Fakes.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

struct Panel final : forms::StationPanel {
  std::vector<std::string> shown, files;
  std::vector<long> armed;
  void ShowState(std::string_view state, std::string_view text, bool on) override {
    shown.push_back(std::string(state) + " " + std::string(text) + (on ? " on" : ""));
  }
  void AddHandedFile(const std::string& line) override { files.push_back(line); }
  void ArmPlayback(std::chrono::milliseconds wait) override { armed.push_back(wait.count()); }
};

TEST(StationPresenter, playsHandedFilesOneAfterAnotherEachToItsEnd) {
  SimulatedHost host;
  RecordingSound sound;
  FakeClock clock;
  Panel panel;
  forms::StationPresenter presenter(host, sound, clock, panel, [](const std::string& path) {
    return std::chrono::milliseconds(path == "/a b/long" ? 60 : 0);
  });
  presenter.Apply({});
  host.PlayAudioFile("/a b/long", true);
  presenter.Apply({.offline = true});
  host.PlayAudioFile("refused", true);
  presenter.Apply({});
  host.PlayAudioFile("unmeasured", true);
  host.PlayAudioFile("last", true);
  EXPECT_THAT(sound.played, ElementsAre("/a b/long")) << "the first is still playing";
  presenter.PlaybackEnded();
  presenter.PlaybackEnded();
  presenter.PlaybackEnded();  // nothing left: nothing armed
  EXPECT_THAT(sound.played, ElementsAre("/a b/long", "unmeasured", "last"));
  EXPECT_THAT(panel.armed, ElementsAre(60, 1000, 1000)) << "about a system sound's length";
  EXPECT_THAT(panel.files, ElementsAre("14:00:00  /a b/long", "14:00:00  refused  (falhou)",
                                       "14:00:00  unmeasured", "14:00:00  last"));
  panel.shown.clear();
  host.SetIpTransmit(true);
  EXPECT_THAT(panel.shown, ElementsAre("rfTransmit desligado", "ipTransmit LIGADO on"));
}

TEST(WavInfo, measuresAWavFileByItsFrames) {
  const auto le = [](std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
  };
  // 16-bit stereo at 8000 Hz: 1600 frames last 200 ms.
  const std::uint32_t data = 1600 * 4;
  const WavInfo info = ReadWavInfo("RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                                   le(2, 2) + le(8000, 4) + le(32000, 4) + le(4, 2) + le(16, 2) +
                                   "data" + le(data, 4) + std::string(data, '\0'));
  EXPECT_EQ(info.length, std::chrono::milliseconds(200));
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(forms::StationPresenter::WavLength("/no/such/clip.wav"), std::chrono::milliseconds(0));
}

}  // namespace
}  // namespace quendal::test
