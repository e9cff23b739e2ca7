// Every control of the main window reaches its handler, and the window shows what the
// controller decides: box values, texts, notices, clock and lights.
#include <gmock/gmock.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/support/ScratchFolder.h"
#include "tests/ui/support/WindowRig.h"
#include "ui/qt/widgets/LightShape.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

class MainWindowWiring : public testing::Test {
 protected:
  void SetUp() override { rig.Load(); }
  Qt::CheckState State(const char* box) { return rig.Find<QCheckBox>(box).checkState(); }
  void Type(const char* text) {
    rig.Find<QLineEdit>("Text1").clear();
    QTest::keyClicks(&rig.Find<QLineEdit>("Text1"), text);
  }
  // What the operator saw and heard since the last look: boxes as "text | title", then
  // clips played and the desktop's events.
  std::vector<std::string> Seen() {
    std::vector<std::string> seen;
    for (const SeenBox& box : std::exchange(rig.boxes, {})) {
      seen.push_back((box.text + " | " + box.title).toStdString());
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
}

TEST_F(MainWindowWiring, everyButtonAndTheTypedValueReachTheirHandlers) {
  rig.Tick();
  for (const char* control : {"hora_rf", "hora_ip", "Check4", "Check6"}) rig.Click(control);
  Type("50");
  rig.Click("Command2");
  EXPECT_THAT(Seen(), ElementsAre("Para enviar a hora (IP) conecte a outra estação primeiro... | "
                                  "Não conectado...",
                                  "Valor deve estar entre 0 e 40 | Quendal", "hora/hrs14.wav",
                                  "hora/min00.wav"));
  EXPECT_EQ(rig.Find<QLineEdit>("Text1").text(), "  ") << "the refused value is blanked";
  EXPECT_EQ(State("Check6"), Qt::Unchecked);
  Type("7");
  for (const char* control : {"Check6", "Command2", "Command3", "Command4", "Command6"}) {
    rig.Click(control);
  }
  EXPECT_THAT(Seen(), ElementsAre("Grave as semanas primeiro! | Quendal", "temperatura/tmp007.wav",
                                  "ShowAbout", "Beep", "ShowHelp"));
  for (const char* control : {"Command5", "Check4", "Command6"}) rig.Click(control);
  EXPECT_EQ(State("Check4"), Qt::Checked) << "read back from the saved file";
  EXPECT_THAT(Seen(), ElementsAre());
}

// Closing the window asks the quit question as the button does, never while a handler
// runs, and only Yes ends the program.
TEST_F(MainWindowWiring, closingAsksOutsideHandlersAndOnlyYesEndsTheProgram) {
  rig.window->show();
  EXPECT_FALSE(rig.window->close()) << "answered No";
  bool closedInside = true;
  rig.gate.Run([&] { closedInside = rig.window->close(); });
  EXPECT_FALSE(closedInside);
  ASSERT_EQ(rig.boxes.size(), 1u) << "not asked while a handler runs";
  EXPECT_EQ(rig.boxes[0].defaultButton, QMessageBox::No) << "a stray Return keeps the program";
  EXPECT_THAT(Seen(), ElementsAre("Tem certeza que quer sair? | quendal"));
  rig.answer = QMessageBox::Yes;
  EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.desktop.events.empty(); }, 1000));
  EXPECT_THAT(Seen(), ElementsAre("Tem certeza que quer sair? | quendal", "End"));
}

TEST_F(MainWindowWiring, ticksDrawTheClockTheTemperatureAndTheLights) {
  WriteBytes(rig.Folder() + "/temperatura.html", "<p>\r\nTemperature: 23.4 C\r\n");
  rig.Click("Check5");
  rig.clock.now = {2024, 5, 6, 9, 5, 7, 3};
  const auto lights = [&] {
    return rig.Find<LightShape>("Shape1").Fill().name() + " " +
           rig.Find<LightShape>("Shape2").Fill().name();
  };
  rig.host.SetRadioReceiving(true);
  rig.Tick();
  EXPECT_EQ(rig.Find<QLabel>("Label2").text() + " " + rig.Find<QLabel>("Label3").text(),
            "09:05:07 23");
  EXPECT_EQ(lights(), "#ff0000 #00ff00");
  rig.host.SetRadioReceiving(false);
  rig.host.SetInternetReceiving(true);
  rig.Tick();
  EXPECT_EQ(lights(), "#00ff00 #ff0000");
}

}  // namespace
}  // namespace quendal::test
