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
  Child<QCheckBox>(window, "hostOffline").click();
  EXPECT_EQ(host.ConnectedCount(), 3) << "back with the settings shown";

  // What the presenter words, drawn where the table puts it.
  host.SetIpTransmit(true);
  EXPECT_EQ(Child<QLabel>(window, "rfTransmit").text() + Child<QLabel>(window, "ipTransmit").text(),
            "desligadoLIGADO");
  host.PlayAudioFile("/my clips/hora/min05.wav", true);
  auto& list = Child<QListWidget>(window, "handedFiles");
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0)->text(), "14:00:00  /my clips/hora/min05.wav");
}

}  // namespace
}  // namespace quendal::test
