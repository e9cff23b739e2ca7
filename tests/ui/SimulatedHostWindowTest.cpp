// The simulated station's window: what the operator sets reaches the host's answers,
// and what the program asks of the host shows and is heard.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include "tests/ui/support/Fakes.h"
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
  SimulatedHostWindow window{host, sound};
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
  EXPECT_THAT(sound.played,
              testing::ElementsAre("/opt/quendal/hora/hrs14.wav", "/my clips/hora/min05.wav"));
  auto& list = Control<QListWidget>("handedFiles");
  ASSERT_EQ(list.count(), 2);
  EXPECT_TRUE(list.item(1)->text().endsWith("/my clips/hora/min05.wav"));
}

}  // namespace
}  // namespace quendal::test
