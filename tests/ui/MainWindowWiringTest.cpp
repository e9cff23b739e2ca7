// Every control of the main window reaches its handler, and the window shows what the
// controller decides: box values, texts, notices, clock and lights.
#include <gmock/gmock.h>

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
  // What the operator saw and heard since the last look: notices as "text | title", each
  // with an OK button and no icon, then clips played and the desktop's events.
  std::vector<std::string> Seen() {
    std::vector<std::string> seen;
    for (const SeenBox& box : std::exchange(rig.boxes, {})) {
      const bool plain = box.buttons == QMessageBox::Ok && box.icon == QMessageBox::NoIcon;
      seen.push_back((box.text + " | " + box.title).toStdString() + (plain ? "" : " (not plain)"));
    }
    for (const std::string& clip : std::exchange(rig.sound.played, {})) {
      seen.push_back(clip.substr(rig.Folder().size() + 1));
    }
    for (std::string& event : std::exchange(rig.desktop.events, {})) seen.push_back(event);
    return seen;
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
  for (const char* cleared : {"Check2", "Check4", "Check5"}) {
    EXPECT_EQ(State(cleared), Qt::Unchecked) << cleared;
  }
  rig.controller.SetBox(Box::Check1, kGreyed);
  EXPECT_EQ(State("Check1"), Qt::PartiallyChecked);
  rig.Click("Check1");
  EXPECT_EQ(State("Check1"), Qt::Unchecked);
}

TEST_F(MainWindowWiring, everyButtonAndTheTypedValueReachTheirHandlers) {
  QLineEdit& text1 = rig.Find<QLineEdit>("Text1");
  rig.Tick();
  rig.Click("hora_rf");
  EXPECT_THAT(Seen(), ElementsAre("hora/hrs14.wav", "hora/min00.wav"));
  rig.Click("hora_ip");
  EXPECT_THAT(Seen(), ElementsAre("Para enviar a hora (IP) conecte a outra estação primeiro... | "
                                  "Não conectado..."));
  rig.Click("Check4");
  rig.Click("Check6");
  QTest::keyClicks(&text1, "50");
  rig.Click("Command2");
  EXPECT_THAT(Seen(), ElementsAre("Valor deve estar entre 0 e 40 | Quendal"));
  EXPECT_EQ(text1.text(), "  ") << "the refused value is blanked";
  EXPECT_EQ(State("Check6"), Qt::Unchecked);
  text1.clear();
  QTest::keyClicks(&text1, "7");
  rig.Click("Check6");
  rig.Click("Command2");
  rig.Click("Command3");
  rig.Click("Command4");
  rig.Click("Command6");
  EXPECT_THAT(Seen(), ElementsAre("Grave as semanas primeiro! | Quendal", "temperatura/tmp007.wav",
                                  "ShowAbout", "Beep", "ShowHelp"));
  rig.Click("Command5");
  rig.Click("Check4");
  rig.Click("Command6");
  EXPECT_EQ(State("Check4"), Qt::Checked) << "read back from the saved file";
  EXPECT_THAT(Seen(), ElementsAre());
}

TEST_F(MainWindowWiring, closingIsAskedOutsideHandlersAndOnlyYesEndsTheProgram) {
  rig.Click("Command1");
  ASSERT_EQ(rig.boxes.size(), 1u);
  const SeenBox& asked = rig.boxes[0];
  EXPECT_EQ(asked.text + " | " + asked.title, "Tem certeza que quer sair? | quendal");
  EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(asked.icon, QMessageBox::Question);
  EXPECT_EQ(asked.defaultButton, QMessageBox::No);
  rig.window->show();
  EXPECT_FALSE(rig.window->close()) << "answered No";
  EXPECT_EQ(rig.boxes.size(), 2u) << "closing the window asks as well";
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
  const auto lights = [&] {
    return rig.Find<LightShape>("Shape1").Fill().name() + " " +
           rig.Find<LightShape>("Shape2").Fill().name();
  };
  rig.host.SetRadioReceiving(true);
  rig.Tick();
  EXPECT_EQ(rig.Find<QLabel>("Label2").text(), "09:05:07");
  EXPECT_EQ(rig.Find<QLabel>("Label3").text(), "23");
  EXPECT_EQ(lights(), "#ff0000 #00ff00");
  rig.host.SetRadioReceiving(false);
  rig.host.SetInternetReceiving(true);
  rig.Tick();
  EXPECT_EQ(lights(), "#00ff00 #ff0000");
}

}  // namespace
}  // namespace quendal::test
