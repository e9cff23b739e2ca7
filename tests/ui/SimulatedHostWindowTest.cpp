// The simulated station's window drawn with Qt: what the operator sets reaches the host's
// answers, and what the program asks of the host shows and is heard.
#include <gmock/gmock.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include "tests/ui/support/WindowRig.h"
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

}  // namespace
}  // namespace quendal::test
