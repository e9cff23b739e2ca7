// Every event of the main window reaches its handler, and the window shows what the
// controller decides: boxes, texts, clock, temperature and lights.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/ui/support/WindowRig.h"
#include "ui/widgets/LightShape.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

Qt::CheckState StateOf(WindowRig& rig, const char* name) {
  return rig.Find<QCheckBox>(name).checkState();
}

std::string Clip(WindowRig& rig, const char* relative) { return rig.Folder() + "/" + relative; }

class MainWindowWiring : public testing::Test {
 protected:
  void SetUp() override { rig.Load(); }
  WindowRig rig;
};

TEST_F(MainWindowWiring, boxClicksGoThroughTheControllerWhichKeepsEachGroupExclusive) {
  rig.Click("Check1");
  EXPECT_EQ(rig.controller->Options().Value(Box::Check1), kSet);
  EXPECT_EQ(StateOf(rig, "Check1"), Qt::Checked);

  rig.Click("Check2");
  EXPECT_EQ(StateOf(rig, "Check2"), Qt::Checked);
  EXPECT_EQ(StateOf(rig, "Check1"), Qt::Unchecked) << "the schedule boxes exclude each other";

  rig.Click("Check4");
  rig.Click("Check7");
  EXPECT_EQ(StateOf(rig, "Check7"), Qt::Checked);
  EXPECT_EQ(StateOf(rig, "Check4"), Qt::Unchecked) << "RF and IP exclude each other";

  rig.Click("Check5");
  rig.Click("Check6");
  EXPECT_EQ(StateOf(rig, "Check6"), Qt::Checked);
  EXPECT_EQ(StateOf(rig, "Check5"), Qt::Unchecked);

  rig.Click("Check6");
  EXPECT_EQ(StateOf(rig, "Check6"), Qt::Unchecked) << "a second click clears";
}

TEST_F(MainWindowWiring, aGreyedBoxShowsItsThirdStateAndAClickClearsIt) {
  rig.controller->SetBox(Box::Check3, kGreyed);
  EXPECT_EQ(StateOf(rig, "Check3"), Qt::PartiallyChecked);
  rig.Click("Check3");
  EXPECT_EQ(rig.controller->Options().Value(Box::Check3), kCleared);
  EXPECT_EQ(StateOf(rig, "Check3"), Qt::Unchecked);
}

TEST_F(MainWindowWiring, typingIntoText1ReachesTheOptionsAndTheProgramsWritesShow) {
  auto& text1 = rig.Find<QLineEdit>("Text1");
  QTest::keyClicks(&text1, "25");
  EXPECT_EQ(rig.controller->Options().Text1(), "25");

  // "Envia Temperatura" refuses 50 and writes two blanks back, clearing the manual box.
  text1.clear();
  QTest::keyClicks(&text1, "50");
  rig.Click("Check6");
  rig.Click("Command2");
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Valor deve estar entre 0 e 40");
  EXPECT_EQ(rig.boxes[0].title, "Quendal");
  EXPECT_EQ(text1.text(), "  ");
  EXPECT_EQ(StateOf(rig, "Check6"), Qt::Unchecked);
}

TEST_F(MainWindowWiring, timeButtonsPutTheTimeOnAirOverTheirMedium) {
  rig.Tick();
  rig.Click("hora_rf");
  EXPECT_THAT(rig.sound.played,
              ElementsAre(Clip(rig, "hora/hrs14.wav"), Clip(rig, "hora/min00.wav")));
  EXPECT_EQ(rig.hostActions.front(), "IpTransmit False");
  EXPECT_NE(std::find(rig.hostActions.begin(), rig.hostActions.end(), "RfTransmit True"),
            rig.hostActions.end());
  EXPECT_EQ(rig.hostActions.back(), "RfTransmit False");
  EXPECT_THAT(rig.pause.waits, ElementsAre(2000, 3000, 2000));

  rig.hostActions.clear();
  rig.host.SetConnectedCount(1);
  rig.Click("hora_ip");
  EXPECT_NE(std::find(rig.hostActions.begin(), rig.hostActions.end(),
                      "PlayAudioFile " + Clip(rig, "hora/hrs14.wav") + " True"),
            rig.hostActions.end());
}

TEST_F(MainWindowWiring, timeOverIpWithNoLinkedStationSaysSoUnderItsOwnTitle) {
  rig.Click("hora_ip");
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Para enviar a hora (IP) conecte a outra estação primeiro...");
  EXPECT_EQ(rig.boxes[0].title, "Não conectado...");
  EXPECT_EQ(rig.boxes[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(rig.boxes[0].icon, QMessageBox::NoIcon);
}

TEST_F(MainWindowWiring, temperatureButtonAnnouncesTheTypedValue) {
  rig.Click("Check4");
  QTest::keyClicks(&rig.Find<QLineEdit>("Text1"), "7");
  rig.Click("Check6");
  rig.Click("Command2");
  EXPECT_THAT(rig.sound.played, ElementsAre(Clip(rig, "temperatura/tmp007.wav")));
}

TEST_F(MainWindowWiring, aboutOpensWithoutBeepAndHelpBeepsFirst) {
  rig.Click("Command3");
  EXPECT_THAT(rig.desktop.events, ElementsAre("ShowAbout"));
  rig.desktop.events.clear();
  rig.Click("Command4");
  EXPECT_THAT(rig.desktop.events, ElementsAre("Beep", "ShowHelp"));
}

TEST_F(MainWindowWiring, optionButtonsSaveAndReadTheOptionsFile) {
  rig.Click("Command6");
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Grave as semanas primeiro!");
  EXPECT_EQ(rig.boxes[0].title, "Quendal");

  rig.Click("Check3");
  rig.Click("Check4");
  rig.Click("Command5");
  QFile saved(QString::fromStdString(rig.Folder() + "/quendal.txt"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), QByteArray(" 0 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n"));

  rig.Click("Check3");
  rig.Click("Command6");
  EXPECT_EQ(StateOf(rig, "Check3"), Qt::Checked) << "read back from the file";
}

TEST_F(MainWindowWiring, encerrarAsksTheQuitQuestionWithNoAsTheDefault) {
  rig.Click("Command1");
  ASSERT_EQ(rig.boxes.size(), 1u);
  const SeenBox& box = rig.boxes[0];
  EXPECT_EQ(box.text, "Tem certeza que quer sair?");
  EXPECT_EQ(box.title, "quendal") << "the executable's name";
  EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.icon, QMessageBox::Question);
  EXPECT_EQ(box.defaultButton, QMessageBox::No);
  EXPECT_TRUE(rig.desktop.events.empty()) << "answered No";

  rig.answers.push_back(QMessageBox::Yes);
  rig.Click("Command1");
  EXPECT_THAT(rig.desktop.events, ElementsAre("End"));
}

TEST_F(MainWindowWiring, aCloseRequestIsAskedAndCancelledByNo) {
  rig.window->show();
  EXPECT_FALSE(rig.window->close());
  EXPECT_TRUE(rig.window->isVisible());
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Tem certeza que quer sair?");

  rig.answers.push_back(QMessageBox::Yes);
  EXPECT_TRUE(rig.window->close());
  EXPECT_THAT(rig.desktop.events, ElementsAre("End"));
}

TEST_F(MainWindowWiring, aCloseRequestDuringAHandlerWaitsForItsEnd) {
  rig.window->show();
  bool closedInside = true;
  rig.gate.Run([&] { closedInside = rig.window->close(); });
  EXPECT_FALSE(closedInside);
  EXPECT_TRUE(rig.boxes.empty()) << "not asked while the handler runs";
  rig.answers.push_back(QMessageBox::Yes);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.desktop.events.empty(); }, 1000));
  EXPECT_THAT(rig.desktop.events, ElementsAre("End"));
}

TEST_F(MainWindowWiring, ticksDrawTheClockAndTheLights) {
  rig.clock.now = {2024, 5, 6, 9, 5, 7, 3};
  rig.host.SetRadioReceiving(true);
  rig.Tick();
  EXPECT_EQ(rig.Find<QLabel>("Label2").text(), "09:05:07");
  EXPECT_EQ(rig.Find<LightShape>("Shape1").Fill(), QColor(255, 0, 0));
  EXPECT_EQ(rig.Find<LightShape>("Shape2").Fill(), QColor(0, 255, 0));

  rig.host.SetRadioReceiving(false);
  rig.host.SetInternetReceiving(true);
  rig.Tick();
  EXPECT_EQ(rig.Find<LightShape>("Shape1").Fill(), QColor(0, 255, 0));
  EXPECT_EQ(rig.Find<LightShape>("Shape2").Fill(), QColor(255, 0, 0));
}

TEST_F(MainWindowWiring, temperatureFromTheFileShowsInLabel3) {
  QFile page(QString::fromStdString(rig.Folder() + "/temperatura.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<p>\r\nTemperature: 23.4 C\r\n");
  page.close();
  rig.Click("Check5");
  rig.Tick();
  EXPECT_EQ(rig.Find<QLabel>("Label3").text(), "23");
}

}  // namespace
}  // namespace quendal::test
