// Every control of the main window reaches its handler, the boxes read as designed, and
// the window shows what the controller decides: box values, texts, clock and lights.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/ui/support/WindowRig.h"
#include "ui/qt/widgets/LightShape.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

class MainWindowWiring : public testing::Test {
 protected:
  void SetUp() override { rig.Load(); }
  Qt::CheckState State(const char* box) { return rig.Find<QCheckBox>(box).checkState(); }
  std::string Clip(const char* relative) { return rig.Folder() + "/" + relative; }
  void Type(const char* text) { QTest::keyClicks(&rig.Find<QLineEdit>("Text1"), text); }
  // The notice the last click opened, read and closed.
  void ExpectNotice(const char* text, const char* title) {
    ASSERT_EQ(rig.boxes.size(), 1u);
    EXPECT_EQ(rig.boxes[0].text, QString::fromUtf8(text));
    EXPECT_EQ(rig.boxes[0].title, QString::fromUtf8(title));
    EXPECT_EQ(rig.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(rig.boxes[0].icon, QMessageBox::NoIcon);
    rig.boxes.clear();
  }
  WindowRig rig;
};

TEST_F(MainWindowWiring, everyBoxClickReachesTheControllerAndTheBoxesShowItsValues) {
  for (int i = 1; i <= 7; ++i) {
    const std::string box = "Check" + std::to_string(i);
    rig.Click(box.c_str());
    EXPECT_EQ(rig.controller.Options().Value(static_cast<Box>(i)), kSet) << box;
    EXPECT_EQ(State(box.c_str()), Qt::Checked) << box;
  }
  // What the controller cleared shows as well: each group keeps one box.
  EXPECT_EQ(State("Check2"), Qt::Unchecked);
  EXPECT_EQ(State("Check4"), Qt::Unchecked);
  EXPECT_EQ(State("Check5"), Qt::Unchecked);
  // A greyed box shows its third state, and a click clears it.
  rig.controller.SetBox(Box::Check1, kGreyed);
  EXPECT_EQ(State("Check1"), Qt::PartiallyChecked);
  rig.Click("Check1");
  EXPECT_EQ(rig.controller.Options().Value(Box::Check1), kCleared);
  EXPECT_EQ(State("Check1"), Qt::Unchecked);
}

TEST_F(MainWindowWiring, everyButtonAndTheTypedValueReachTheirHandlersAndTheirNotices) {
  rig.Tick();
  rig.Click("hora_rf");
  EXPECT_THAT(rig.sound.played, ElementsAre(Clip("hora/hrs14.wav"), Clip("hora/min00.wav")));
  rig.Click("hora_ip");
  ExpectNotice("Para enviar a hora (IP) conecte a outra estação primeiro...", "Não conectado...");
  rig.host.SetConnectedCount(1);
  rig.Click("hora_ip");
  EXPECT_THAT(rig.handed, testing::Contains(Clip("hora/hrs14.wav") + " True"));

  rig.sound.played.clear();
  rig.Click("Check4");
  Type("50");
  rig.Click("Check6");
  rig.Click("Command2");
  ExpectNotice("Valor deve estar entre 0 e 40", "Quendal");
  EXPECT_EQ(rig.Find<QLineEdit>("Text1").text(), "  ") << "the refused value is blanked";
  EXPECT_EQ(State("Check6"), Qt::Unchecked);
  rig.Find<QLineEdit>("Text1").clear();
  Type("7");
  rig.Click("Check6");
  rig.Click("Command2");
  EXPECT_THAT(rig.sound.played, ElementsAre(Clip("temperatura/tmp007.wav")));

  rig.Click("Command3");
  rig.Click("Command4");
  EXPECT_THAT(rig.desktop.events, ElementsAre("ShowAbout", "Beep", "ShowHelp"));

  rig.Click("Command6");
  ExpectNotice("Grave as semanas primeiro!", "Quendal");
  rig.Click("Command5");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(rig.Folder() + "/quendal.txt")));
  rig.Click("Check4");
  ASSERT_EQ(State("Check4"), Qt::Unchecked);
  rig.Click("Command6");
  EXPECT_EQ(State("Check4"), Qt::Checked) << "read back from the file";
  EXPECT_TRUE(rig.boxes.empty());
}

TEST_F(MainWindowWiring, closingIsAskedOutsideHandlersAndOnlyYesEndsTheProgram) {
  rig.Click("Command1");
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Tem certeza que quer sair?");
  EXPECT_EQ(rig.boxes[0].title, "quendal") << "the executable's name";
  EXPECT_EQ(rig.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(rig.boxes[0].icon, QMessageBox::Question);
  EXPECT_EQ(rig.boxes[0].defaultButton, QMessageBox::No);
  rig.window->show();
  EXPECT_FALSE(rig.window->close());
  EXPECT_TRUE(rig.window->isVisible());
  EXPECT_EQ(rig.boxes.size(), 2u) << "closing the window asks as well";
  EXPECT_TRUE(rig.desktop.events.empty()) << "answered No";

  bool closedInside = true;
  rig.gate.Run([&] { closedInside = rig.window->close(); });
  EXPECT_FALSE(closedInside);
  EXPECT_EQ(rig.boxes.size(), 2u) << "not asked while a handler runs";
  rig.answer = QMessageBox::Yes;
  EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.desktop.events.empty(); }, 1000));
  EXPECT_THAT(rig.desktop.events, ElementsAre("End"));
}

TEST_F(MainWindowWiring, ticksDrawTheClockTheTemperatureAndTheLights) {
  QFile page(QString::fromStdString(rig.Folder() + "/temperatura.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<p>\r\nTemperature: 23.4 C\r\n");
  page.close();
  rig.Click("Check5");
  rig.clock.now = {2024, 5, 6, 9, 5, 7, 3};
  rig.host.SetRadioReceiving(true);
  rig.Tick();
  EXPECT_EQ(rig.Find<QLabel>("Label2").text(), "09:05:07");
  EXPECT_EQ(rig.Find<QLabel>("Label3").text(), "23");
  EXPECT_EQ(rig.Find<LightShape>("Shape1").Fill(), QColor(255, 0, 0));
  EXPECT_EQ(rig.Find<LightShape>("Shape2").Fill(), QColor(0, 255, 0));

  rig.host.SetRadioReceiving(false);
  rig.host.SetInternetReceiving(true);
  rig.Tick();
  EXPECT_EQ(rig.Find<LightShape>("Shape1").Fill(), QColor(0, 255, 0));
  EXPECT_EQ(rig.Find<LightShape>("Shape2").Fill(), QColor(255, 0, 0));
}

}  // namespace
}  // namespace quendal::test
