// The About and Help windows: their controls as designed, the maker's page, the way
// back, and that the desktop adapter shows them modal.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/TabStops.h"
#include "ui/Ajuda.h"
#include "ui/FrmSobre.h"
#include "ui/platform/QtDesktop.h"
#include "ui/widgets/AnimatedImage.h"
#include "ui/widgets/PictureButton.h"

namespace quendal::test {
namespace {

QRect Px(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

template <typename T>
T& Child(QWidget& window, const char* name) {
  T* found = window.findChild<T*>(name);
  if (!found) throw std::runtime_error(std::string("no control ") + name);
  return *found;
}

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

TEST(AboutWindow, showsTheDesignedControls) {
  FrmSobre about;
  EXPECT_EQ(about.windowTitle(), "Sobre");
  EXPECT_EQ(about.size(), QSize(312, 372));
  EXPECT_FALSE(about.windowIcon().isNull());

  auto& tower = Child<AnimatedImage>(about, "AniGIF1");
  EXPECT_EQ(tower.geometry(), Px(120, 120, 855, 1215));
  EXPECT_EQ(tower.FrameCount(), 7);
  EXPECT_EQ(tower.FrameSize(), QSize(120, 263));

  auto& name = Child<QLabel>(about, "Label1");
  EXPECT_EQ(name.text(), "QUENDAL");
  EXPECT_EQ(name.geometry(), Px(1560, 120, 2775, 615));
  EXPECT_DOUBLE_EQ(name.font().pointSizeF(), 26.25);
  auto& version = Child<QLabel>(about, "Label4");
  EXPECT_THAT(version.text().toStdString(), testing::HasSubstr(QUENDAL_VERSION));
  EXPECT_EQ(version.geometry(), Px(1440, 840, 3015, 375));
  EXPECT_EQ(Child<QLabel>(about, "Label2").geometry(), Px(240, 1440, 4095, 495));
  EXPECT_EQ(Child<QLabel>(about, "Label2").palette().color(QPalette::WindowText),
            QColor(0, 128, 0));
  auto& station = Child<QLabel>(about, "Label5");
  EXPECT_EQ(station.text(), "KORVA");
  EXPECT_EQ(station.pos(), QPoint(96, 120));
  EXPECT_GE(station.width(), station.fontMetrics().horizontalAdvance("KORVA"));
  EXPECT_EQ(Child<QLabel>(about, "Label3").geometry(), Px(120, 2520, 4455, 375));
  auto& notice = Child<QLabel>(about, "Label6");
  EXPECT_EQ(notice.geometry(), Px(120, 3120, 4455, 855));
  EXPECT_TRUE(notice.alignment() & Qt::AlignHCenter);

  EXPECT_EQ(Child<QFrame>(about, "Line1").geometry(), QRect(8, 88, 296, 1));
  EXPECT_EQ(Child<QFrame>(about, "Line4").geometry(), QRect(8, 200, 288, 1));
  EXPECT_EQ(Child<QFrame>(about, "Line3").geometry(), QRect(8, 272, 296, 1));

  auto& visit = Child<PictureButton>(about, "Command1");
  EXPECT_EQ(visit.text(), "Visitar Servidor  KORVA");
  EXPECT_EQ(visit.geometry(), Px(240, 4320, 2295, 1095));
  EXPECT_EQ(visit.Background(), QColor(192, 255, 255));
  auto& back = Child<PictureButton>(about, "ret");
  EXPECT_EQ(back.text(), "Retornar");
  EXPECT_EQ(back.geometry(), Px(3000, 4320, 1455, 1095));
  EXPECT_EQ(back.Background(), QColor(255, 192, 192));
  EXPECT_EQ(NextTabStop(&back), &visit);
}

TEST(AboutWindow, focusStartsOnRetornarWhichClosesIt) {
  FrmSobre about;
  about.show();
  QApplication::setActiveWindow(&about);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  EXPECT_EQ(QApplication::focusWidget(), &Child<QWidget>(about, "ret"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_FALSE(about.isVisible());
}

TEST(AboutWindow, visitOpensTheMakersPageAndLeavesTheWindowOpen) {
  UrlCatcher catcher;
  FrmSobre about;
  about.show();
  Child<PictureButton>(about, "Command1").click();
  EXPECT_THAT(catcher.opened, testing::ElementsAre(kMakerPage));
  EXPECT_TRUE(about.isVisible());
}

TEST(HelpWindow, showsTheHelpTextLineByLine) {
  Ajuda help;
  EXPECT_EQ(help.windowTitle(), "Ajuda");
  EXPECT_EQ(help.size(), QSize(343, 380));
  auto& title = Child<QLabel>(help, "Label1");
  EXPECT_EQ(title.text(), "Quendal");
  EXPECT_EQ(title.geometry(), Px(1560, 120, 2055, 735));
  EXPECT_EQ(title.palette().color(QPalette::WindowText), QColor(0, 0, 255));
  auto& text = Child<QPlainTextEdit>(help, "Text1");
  EXPECT_EQ(text.geometry(), Px(240, 960, 4695, 3495));
  EXPECT_TRUE(text.font().bold());
  EXPECT_DOUBLE_EQ(text.font().pointSizeF(), 9.75);
  const QStringList lines = text.toPlainText().split('\n');
  EXPECT_THAT(lines,
              testing::ElementsAre(
                  "Quendal foi criado para proporcionar ", "mensagens de horas e temperaturas ",
                  "para amigos que estão lincados via IP ", "ou ainda RF.", " ",
                  "Este programa utiliza mensagens pré ", "gravadas, tanto para Quendals como ",
                  "para temperatura em suas respectivas ", "pastas.", " ",
                  "Para a temperatura automática pode-se utilizar qualquer programa que "
                  "se atualize via internet e grave-se exportando em um arquivo "
                  "temperatura.html.",
                  ""));
  auto& back = Child<PictureButton>(help, "Command1");
  EXPECT_EQ(back.text(), "Retornar");
  EXPECT_EQ(back.geometry(), Px(3600, 4560, 1335, 975));
  EXPECT_DOUBLE_EQ(back.font().pointSizeF(), 9.75);
  EXPECT_EQ(back.Background(), QColor(255, 192, 192));
  EXPECT_EQ(NextTabStop(&back), &text);
}

TEST(HelpWindow, everyOpeningStartsFromTheDesignedText) {
  QString first;
  {
    Ajuda help;
    auto& text = Child<QPlainTextEdit>(help, "Text1");
    first = text.toPlainText();
    text.setPlainText("typed over");
  }
  Ajuda again;
  EXPECT_EQ(Child<QPlainTextEdit>(again, "Text1").toPlainText(), first);
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

#include "SecondaryWindowsTest.moc"
