// The simulated station's presenter: files handed to the host play one after another,
// each to its end, and what the panel shows follows the host.
#include "ui/forms/SimulatedStation.h"

#include <gmock/gmock.h>

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

}  // namespace
}  // namespace quendal::test
