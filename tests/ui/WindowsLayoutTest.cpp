// The three designed windows: every control's place, caption, face and colour, where the
// keyboard starts, the decorations, About's link to the maker's page, and the desktop
// adapter that shows About and Help modal.

#include <gmock/gmock.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/Designed.h"
#include "ui/qt/Ajuda.h"
#include "ui/qt/FrmSobre.h"
#include "ui/qt/platform/QtDesktop.h"
#include "ui/qt/widgets/AnimatedImage.h"

namespace quendal::test {
namespace {

constexpr const char* kForm = "frmquendal";
constexpr const char* kBlue = "#0000ff";

// Straight from the designers' tables; captions are the program's own texts.
const Designed kMainControls[] = {
    {"Label9", kForm, "", 240, 120, 6855, 1095, 8.25, false},
    {"AniGIF1", kForm, nullptr, 240, 240, 1335, 1095},
    {"AniGIF2", kForm, nullptr, 240, 240, 735, 855},
    {"Picture1", kForm, nullptr, 720, 240, 4095, 735},
    {"AniGIF3", kForm, nullptr, 5040, 120, 2055, 975},
    {"Label10", kForm, "Quendal", 4200, 960, 975, 255, 8.25, true, kBlue},
    {"Label1", kForm, "Habilita Quendal TTS", 240, 1320, 5175, 735, 27.75, true, "#008000"},
    {"Label2", kForm, "", 5760, 1440, 1335, 495, 13.5, true, "#00ff00"},
    {"Frame1", kForm, "Selecione a opção", 240, 2040, 3615, 1575, 8.25, true, kBlue},
    {"Check1", "Frame1", "toda hora cheia", 240, 360, 2055, 375, 9.75, true},
    {"Check2", "Frame1", "cada meia hora", 240, 720, 2055, 375, 9.75, true},
    {"Check3", "Frame1", "cada quinze minutos", 240, 1080, 2655, 375, 9.75, true},
    {"Check4", "Frame1", "", 2880, 600, 255, 255, 8.25, false},
    {"Label5", "Frame1", "RF", 3120, 600, 255, 375, 8.25, true},
    {"Check7", "Frame1", "", 2880, 960, 255, 255, 8.25, false},
    {"Label6", "Frame1", "IP", 3120, 960, 255, 255, 8.25, true},
    {"Frame2", kForm, "Temperatura", 4080, 2040, 3015, 1575, 8.25, true, kBlue},
    {"Check5", "Frame2", "valor automático", 240, 360, 1815, 375, 8.25, true},
    {"Label3", "Frame2", "", 2160, 360, 615, 375, 12, true},
    {"Check6", "Frame2", "valor manual -->", 240, 960, 1695, 375, 8.25, true},
    {"Text1", "Frame2", "", 2160, 960, 615, 375, 12, true},
    {"Frame3", kForm, "Sinal de recepção", 240, 3720, 3495, 855, 8.25, true, kBlue},
    {"Shape1", "Frame3", nullptr, 120, 360, 495, 375},
    {"Label7", "Frame3", "Rádio", 600, 360, 855, 255, 12, true},
    {"Shape2", "Frame3", nullptr, 1680, 360, 735, 375},
    {"Label8", "Frame3", "Internet", 2280, 360, 1095, 375, 12, true},
    {"Command5", kForm, "Grava opções", 5040, 3720, 975, 855, 8.25, false, "#80ff80"},
    {"Command6", kForm, "Lê as opções", 6120, 3720, 975, 855, 8.25, false, "#80ffff"},
    {"hora_rf", kForm, "Envia a hora (RF)", 240, 4680, 1455, 975, 8.25, false, "#ffffc0"},
    {"hora_ip", kForm, "Envia a hora (IP)", 1800, 4680, 1335, 975, 8.25, false, "#ffffc0"},
    {"Command2", kForm, "Envia Temperatura", 3240, 4680, 1575, 975, 8.25, false, "#ffe0c0"},
    {"Command4", kForm, "Ajuda", 5040, 4800, 975, 855, 8.25, true, "#ffc0c0"},
    {"Command3", kForm, "Sobre", 6120, 4800, 975, 855, 8.25, true, "#ffff00"},
    {"Command1", kForm, "Encerrar", 5640, 5760, 1455, 1095, 9.75, true, "#ff0000"},
    {"Label4", kForm,
     "OBS: Para que a seleção fique ativa, somente minimize ou deixe a janela aberta.", 240, 6120,
     5295, 615, 12, true, "#c00000"},
};

constexpr const char* kAbout = "frmsobre";
const Designed kAboutControls[] = {
    {"AniGIF1", kAbout, nullptr, 120, 120, 855, 1215},
    {"Label1", kAbout, "QUENDAL", 1560, 120, 2775, 615, 26.25, true},
    {"Label4", kAbout, "Versão " QUENDAL_VERSION, 1440, 840, 3015, 375, 8.25, true},
    {"Line1", kAbout, nullptr, 120, 1320, 4440, 15},
    {"Label2", kAbout, "Autor: equipe Quendal", 240, 1440, 4095, 495, 13.5, true, "#008000"},
    {"Label5", kAbout, "KORVA", 1440, 1800, 1455, 615, 24, true},
    {"Label3", kAbout, "Oficina de Software da Estação KORVA", 120, 2520, 4455, 375, 8.25, true},
    {"Line4", kAbout, nullptr, 120, 3000, 4320, 15},
    {"Label6", kAbout,
     "Quendal é software livre: pode ser usado, copiado e distribuído à vontade, sem garantia "
     "de qualquer espécie. Sugestões e críticas: quendal@korva.example.org",
     120, 3120, 4455, 855, 8.25, false},
    {"Line3", kAbout, nullptr, 120, 4080, 4440, 15},
    {"Command1", kAbout, "Visitar Servidor  KORVA", 240, 4320, 2295, 1095, 8.25, true, "#c0ffff"},
    {"ret", kAbout, "Retornar", 3000, 4320, 1455, 1095, 8.25, true, "#ffc0c0"},
};

const Designed kHelpControls[] = {
    {"Label1", "Ajuda", "Quendal", 1560, 120, 2055, 735, 27.75, true, "#0000ff"},
    {"Text1", "Ajuda",
     "Quendal foi criado para proporcionar \nmensagens de horas e temperaturas \n"
     "para amigos que estão lincados via IP \nou ainda RF.\n \n"
     "Este programa utiliza mensagens pré \ngravadas, tanto para Quendals como \n"
     "para temperatura em suas respectivas \npastas.\n \n"
     "Para a temperatura automática pode-se utilizar qualquer programa que se atualize via "
     "internet e grave-se exportando em um arquivo temperatura.html.\n",
     240, 960, 4695, 3495, 9.75, true},
    {"Command1", "Ajuda", "Retornar", 3600, 4560, 1335, 975, 9.75, true, "#ffc0c0"},
};

// Receives the addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() { QDesktopServices::setUrlHandler("https", this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("https"); }
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

class MainWindowLayout : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(rig.window->logicalDpiY(), 96) << "tables are in 96 dpi"; }
  WindowRig rig;
};

TEST_F(MainWindowLayout, everyControlHasItsDesignedPlaceCaptionAndFace) {
  FrmQuendal& window = *rig.window;
  EXPECT_EQ(window.windowTitle(), "Quendal");
  EXPECT_EQ(window.size(), QSize(488, 470));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowIcon().isNull());

  ExpectDesigned(window, kMainControls, "Label1");

  // The serif title grows rightwards only, clear of the clock; the rest are sans faces.
  EXPECT_LT(rig.Find("Label1").geometry().right(), rig.Find("Label2").x());
  const QString serif = QFontInfo(rig.Find("Label1").font()).family();
  EXPECT_TRUE(serif == "Times New Roman" || serif == "Liberation Serif") << serif.toStdString();
  const QString sans = QFontInfo(rig.Find("Label4").font()).family();
  EXPECT_FALSE(sans.contains("Serif") && !sans.contains("Sans")) << sans.toStdString();
}

TEST_F(MainWindowLayout, tabFollowsTheDesignedOrderAndFocusStartsOnEncerrar) {
  // Back to the start at the end: no other control takes the keyboard.
  const char* const order[] = {"Command1", "hora_rf",  "hora_ip",  "Check1",   "Check2",  "Check3",
                               "Text1",    "Command2", "Check5",   "Check6",   "Check4",  "Check7",
                               "Command3", "Command4", "Command5", "Command6", "Command1"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    EXPECT_EQ(NextTabStop(&rig.Find(order[i]))->objectName(), order[i + 1]) << "after " << order[i];
  }
  rig.window->show();
  QApplication::setActiveWindow(rig.window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
  EXPECT_EQ(QApplication::focusWidget(), &rig.Find("Command1"));
  // The space bar on the focused "Encerrar" asks the quit question.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Tem certeza que quer sair?");
}

TEST_F(MainWindowLayout, isDrawnInItsColoursAndItsDecorationsMoveOnceShown) {
  // The white band behind the banner, and the clock's dark panel.
  EXPECT_EQ(QColor(rig.Find("Label9").grab().toImage().pixel(2, 2)), QColor(Qt::white));
  EXPECT_EQ(QColor(rig.Find("Label2").grab().toImage().pixel(5, 5)),
            rig.window->palette().color(QPalette::ButtonText));
  // A group's blue caption does not colour what is inside it.
  for (const char* inside : {"Check1", "Label5", "Check5", "Label3", "Label7", "Label8"}) {
    EXPECT_NE(rig.Find(inside).palette().color(QPalette::WindowText), QColor(kBlue)) << inside;
  }
  // Filled with their colour: the middle of the bottom edge, clear of picture and caption.
  for (PictureButton* button : rig.window->findChildren<PictureButton*>()) {
    const QImage face = button->grab().toImage();
    EXPECT_EQ(QColor(face.pixel(face.width() / 2, face.height() - 6)), button->Background())
        << button->objectName().toStdString();
  }
  // Lights are green circles before the first tick.
  for (const char* name : {"Shape1", "Shape2"}) {
    const QImage light = rig.Find(name).grab().toImage();
    EXPECT_EQ(QColor(light.pixel(light.width() / 2, light.height() / 2)), QColor(0, 255, 0));
    const QRgb corner = light.pixel((light.width() - light.height()) / 2 + 1, 1);
    EXPECT_NE(QColor(corner), QColor(0, 255, 0)) << name << ": a circle, not a box";
  }
  // The banner and the moving antenna and link.
  EXPECT_FALSE(rig.Find<QLabel>("Picture1").pixmap().isNull());
  rig.window->show();
  for (const char* name : {"AniGIF2", "AniGIF3"}) {
    auto& image = rig.Find<AnimatedImage>(name);
    EXPECT_TRUE(QTest::qWaitFor([&] { return image.CurrentFrame() >= 2; }, 2000)) << name;
  }
}

TEST(AboutWindow, showsTheDesignedControls) {
  FrmSobre about;
  EXPECT_EQ(about.windowTitle(), "Sobre");
  EXPECT_EQ(about.size(), QSize(312, 372));
  ExpectDesigned(about, kAboutControls, "Label5");
  EXPECT_FALSE(about.windowIcon().isNull());
  EXPECT_TRUE(Child<QLabel>(about, "Label6").alignment() & Qt::AlignHCenter);
  EXPECT_EQ(Child<AnimatedImage>(about, "AniGIF1").FrameCount(), 7);
  EXPECT_EQ(NextTabStop(&Child<QWidget>(about, "ret")), &Child<QWidget>(about, "Command1"));
}

TEST(AboutWindow, visitOpensTheMakersPageAndFocusedRetornarClosesIt) {
  UrlCatcher catcher;
  FrmSobre about;
  about.show();
  QApplication::setActiveWindow(&about);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  Child<PictureButton>(about, "Command1").click();
  EXPECT_THAT(catcher.opened, testing::ElementsAre(kMakerPage));
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &Child<QWidget>(about, "ret"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_FALSE(about.isVisible());
}

TEST(HelpWindow, showsTheDesignedControlsAndText) {
  Ajuda help;
  EXPECT_EQ(help.windowTitle(), "Ajuda");
  EXPECT_EQ(help.size(), QSize(343, 380));
  ExpectDesigned(help, kHelpControls);
  EXPECT_EQ(NextTabStop(&Child<QWidget>(help, "Command1")), &Child<QWidget>(help, "Text1"));
}

TEST(DesktopAdapter, showsAboutAndHelpModalUntilClosed) {
  QtDesktop desktop([] {});
  for (const char* name : {"frmsobre", "Ajuda"}) {
    QString seen;
    QTimer::singleShot(50, [&seen] {
      QWidget* modal = QApplication::activeModalWidget();
      seen = modal ? modal->objectName() : "none";
      if (modal) modal->close();
    });
    std::string(name) == "Ajuda" ? desktop.ShowHelp() : desktop.ShowAbout();
    EXPECT_EQ(seen, name);
  }
}

}  // namespace
}  // namespace quendal::test

#include "WindowsLayoutTest.moc"
