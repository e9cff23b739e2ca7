// The main window as designed: every control's name, kind, caption, place, face and
// colour, the keyboard order and the decorations.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/ui/support/TabStops.h"
#include "tests/ui/support/WindowRig.h"
#include "ui/widgets/AnimatedImage.h"
#include "ui/widgets/LightShape.h"
#include "ui/widgets/PictureButton.h"

namespace quendal::test {
namespace {

struct Control {
  const char* name;
  const char* kind;
  const char* inside;  // the parent's name
  const char* caption;
  int left, top, width, height;  // twips
};

// Straight from the designer's table; captions are the program's own texts.
const Control kControls[] = {
    {"Label9", "QLabel", "frmquendal", "", 240, 120, 6855, 1095},
    {"AniGIF1", "quendal::AnimatedImage", "frmquendal", nullptr, 240, 240, 1335, 1095},
    {"AniGIF2", "quendal::AnimatedImage", "frmquendal", nullptr, 240, 240, 735, 855},
    {"Picture1", "QLabel", "frmquendal", nullptr, 720, 240, 4095, 735},
    {"AniGIF3", "quendal::AnimatedImage", "frmquendal", nullptr, 5040, 120, 2055, 975},
    {"Label10", "QLabel", "frmquendal", "Quendal", 4200, 960, 975, 255},
    {"Label2", "QLabel", "frmquendal", "", 5760, 1440, 1335, 495},
    {"Frame1", "QGroupBox", "frmquendal", "Selecione a opção", 240, 2040, 3615, 1575},
    {"Check1", "QCheckBox", "Frame1", "toda hora cheia", 240, 360, 2055, 375},
    {"Check2", "QCheckBox", "Frame1", "cada meia hora", 240, 720, 2055, 375},
    {"Check3", "QCheckBox", "Frame1", "cada quinze minutos", 240, 1080, 2655, 375},
    {"Check4", "QCheckBox", "Frame1", "", 2880, 600, 255, 255},
    {"Label5", "QLabel", "Frame1", "RF", 3120, 600, 255, 375},
    {"Check7", "QCheckBox", "Frame1", "", 2880, 960, 255, 255},
    {"Label6", "QLabel", "Frame1", "IP", 3120, 960, 255, 255},
    {"Frame2", "QGroupBox", "frmquendal", "Temperatura", 4080, 2040, 3015, 1575},
    {"Check5", "QCheckBox", "Frame2", "valor automático", 240, 360, 1815, 375},
    {"Label3", "QLabel", "Frame2", "", 2160, 360, 615, 375},
    {"Check6", "QCheckBox", "Frame2", "valor manual -->", 240, 960, 1695, 375},
    {"Text1", "QLineEdit", "Frame2", "", 2160, 960, 615, 375},
    {"Frame3", "QGroupBox", "frmquendal", "Sinal de recepção", 240, 3720, 3495, 855},
    {"Shape1", "quendal::LightShape", "Frame3", nullptr, 120, 360, 495, 375},
    {"Label7", "QLabel", "Frame3", "Rádio", 600, 360, 855, 255},
    {"Shape2", "quendal::LightShape", "Frame3", nullptr, 1680, 360, 735, 375},
    {"Label8", "QLabel", "Frame3", "Internet", 2280, 360, 1095, 375},
    {"Command5", "quendal::PictureButton", "frmquendal", "Grava opções", 5040, 3720, 975, 855},
    {"Command6", "quendal::PictureButton", "frmquendal", "Lê as opções", 6120, 3720, 975, 855},
    {"hora_rf", "quendal::PictureButton", "frmquendal", "Envia a hora (RF)", 240, 4680, 1455, 975},
    {"hora_ip", "quendal::PictureButton", "frmquendal", "Envia a hora (IP)", 1800, 4680, 1335, 975},
    {"Command2", "quendal::PictureButton", "frmquendal", "Envia Temperatura", 3240, 4680, 1575,
     975},
    {"Command4", "quendal::PictureButton", "frmquendal", "Ajuda", 5040, 4800, 975, 855},
    {"Command3", "quendal::PictureButton", "frmquendal", "Sobre", 6120, 4800, 975, 855},
    {"Command1", "quendal::PictureButton", "frmquendal", "Encerrar", 5640, 5760, 1455, 1095},
    {"Label4", "QLabel", "frmquendal",
     "OBS: Para que a seleção fique ativa, somente minimize ou deixe a janela aberta.", 240, 6120,
     5295, 615},
};

QString CaptionOf(QWidget& widget) {
  if (auto* label = qobject_cast<QLabel*>(&widget)) return label->text();
  if (auto* group = qobject_cast<QGroupBox*>(&widget)) return group->title();
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) return button->text();
  if (auto* edit = qobject_cast<QLineEdit*>(&widget)) return edit->text();
  return {};
}

QRect Px(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

class MainWindowLayout : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(rig.window->logicalDpiY(), 96) << "tables are in 96 dpi"; }
  WindowRig rig;
};

TEST_F(MainWindowLayout, everyControlHasItsDesignedKindCaptionPlaceAndSize) {
  for (const Control& c : kControls) {
    SCOPED_TRACE(c.name);
    auto& widget = rig.Find<QWidget>(c.name);
    EXPECT_TRUE(widget.inherits(c.kind)) << widget.metaObject()->className();
    EXPECT_EQ(widget.parentWidget()->objectName(), c.inside);
    if (c.caption) {
      EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(c.caption));
    }
    EXPECT_EQ(widget.geometry(), Px(c.left, c.top, c.width, c.height));
  }
}

TEST_F(MainWindowLayout, bannerTitleKeepsItsPlaceAndShowsAllOfItsCaption) {
  // The one label whose serif face may be wider than the designer's: it grows rightwards.
  auto& label = rig.Find<QLabel>("Label1");
  EXPECT_EQ(label.text(), "Habilita Quendal TTS");
  EXPECT_EQ(label.pos(), QPoint(16, 88));
  EXPECT_EQ(label.height(), 49);
  EXPECT_GE(label.width(), 345);
  EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
  EXPECT_LT(label.geometry().right(), 384) << "must not run under the clock";
}

TEST_F(MainWindowLayout, windowIsTitledFixedInSizeAndCanBeMinimised) {
  FrmQuendal& window = *rig.window;
  EXPECT_EQ(window.objectName(), "frmquendal");
  EXPECT_EQ(window.windowTitle(), "Quendal");
  EXPECT_EQ(window.size(), QSize(488, 470));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowIcon().isNull());
}

struct Face {
  const char* name;
  bool serif;
  double points;
  bool bold;
};

TEST_F(MainWindowLayout, controlsUseTheirDesignedFaces) {
  const Face faces[] = {
      {"Label10", false, 8.25, true},   {"Label1", true, 27.75, true},
      {"Label2", false, 13.5, true},    {"Frame1", false, 8.25, true},
      {"Check1", false, 9.75, true},    {"Check2", false, 9.75, true},
      {"Check3", false, 9.75, true},    {"Check4", false, 8.25, false},
      {"Label5", false, 8.25, true},    {"Label6", false, 8.25, true},
      {"Frame2", false, 8.25, true},    {"Check5", false, 8.25, true},
      {"Label3", false, 12, true},      {"Check6", false, 8.25, true},
      {"Text1", false, 12, true},       {"Frame3", false, 8.25, true},
      {"Label7", false, 12, true},      {"Label8", false, 12, true},
      {"Command5", false, 8.25, false}, {"hora_rf", false, 8.25, false},
      {"Command4", false, 8.25, true},  {"Command3", false, 8.25, true},
      {"Command1", false, 9.75, true},  {"Label4", false, 12, true},
  };
  for (const Face& f : faces) {
    SCOPED_TRACE(f.name);
    const QFont font = rig.Find<QWidget>(f.name).font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), f.points);
    EXPECT_EQ(font.bold(), f.bold);
    const QString family = QFontInfo(font).family();
    if (f.serif) {
      EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif")
          << family.toStdString();
    } else {
      EXPECT_FALSE(family.contains("Serif") && !family.contains("Sans")) << family.toStdString();
    }
  }
}

TEST_F(MainWindowLayout, textsAndButtonsCarryTheirDesignedColours) {
  const auto text = [this](const char* name) {
    return rig.Find<QWidget>(name).palette().color(QPalette::WindowText);
  };
  EXPECT_EQ(text("Label10"), QColor(0, 0, 255));
  EXPECT_EQ(text("Label1"), QColor(0, 128, 0));
  EXPECT_EQ(text("Label2"), QColor(0, 255, 0));
  EXPECT_EQ(rig.Find<QWidget>("Label2").palette().color(QPalette::Window),
            rig.window->palette().color(QPalette::ButtonText));
  EXPECT_EQ(text("Label4"), QColor(192, 0, 0));
  EXPECT_EQ(rig.Find<QWidget>("Label9").palette().color(QPalette::Window), QColor(Qt::white));
  for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
    EXPECT_EQ(text(frame), QColor(0, 0, 255)) << frame;
  }
  // A group's blue caption does not colour what is inside it.
  for (const char* inside : {"Check1", "Label5", "Check5", "Label3", "Label7", "Label8"}) {
    EXPECT_NE(text(inside), QColor(0, 0, 255)) << inside;
  }

  const std::pair<const char*, QColor> buttons[] = {
      {"Command5", QColor(128, 255, 128)}, {"Command6", QColor(128, 255, 255)},
      {"hora_rf", QColor(255, 255, 192)},  {"hora_ip", QColor(255, 255, 192)},
      {"Command2", QColor(255, 224, 192)}, {"Command4", QColor(255, 192, 192)},
      {"Command3", QColor(255, 255, 0)},   {"Command1", QColor(255, 0, 0)},
  };
  for (const auto& [name, colour] : buttons) {
    SCOPED_TRACE(name);
    auto& button = rig.Find<PictureButton>(name);
    EXPECT_EQ(button.Background(), colour);
    EXPECT_EQ(button.Picture().size(), QSize(16, 16));
    // Filled with its colour: the middle of the bottom edge, clear of picture and caption.
    const QImage picture = button.grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(picture.width() / 2, picture.height() - 6)), colour);
  }
}

TEST_F(MainWindowLayout, lightsAreGreenCirclesBeforeTheFirstTick) {
  for (const char* name : {"Shape1", "Shape2"}) {
    auto& light = rig.Find<LightShape>(name);
    EXPECT_EQ(light.Fill(), QColor(0, 255, 0));
    const QImage picture = light.grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(light.width() / 2, light.height() / 2)), QColor(0, 255, 0));
    EXPECT_NE(QColor(picture.pixel(0, 0)), QColor(0, 255, 0)) << "a circle, not a box";
  }
}

TEST_F(MainWindowLayout, keyboardOrderFollowsTheDesignAndFocusStartsOnEncerrar) {
  const char* const order[] = {"Command1", "hora_rf",  "hora_ip",  "Check1",  "Check2", "Check3",
                               "Text1",    "Command2", "Check5",   "Check6",  "Check4", "Check7",
                               "Command3", "Command4", "Command5", "Command6"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    EXPECT_EQ(NextTabStop(&rig.Find<QWidget>(order[i]))->objectName(), order[i + 1])
        << "after " << order[i];
  }
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Frame1", "Frame2", "Frame3",
                           "AniGIF1", "AniGIF2", "AniGIF3", "Picture1"}) {
    EXPECT_EQ(rig.Find<QWidget>(name).focusPolicy(), Qt::NoFocus) << name;
  }

  rig.window->show();
  QApplication::setActiveWindow(rig.window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
  EXPECT_EQ(QApplication::focusWidget(), &rig.Find<QWidget>("Command1"));
  // The space bar on the focused "Encerrar" asks the quit question.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].text, "Tem certeza que quer sair?");
}

TEST_F(MainWindowLayout, decorationsHaveTheirDesignedFramesAndMove) {
  EXPECT_EQ(rig.Find<AnimatedImage>("AniGIF1").FrameCount(), 0);
  auto& antenna = rig.Find<AnimatedImage>("AniGIF2");
  EXPECT_EQ(antenna.FrameCount(), 10);
  EXPECT_EQ(antenna.FrameSize(), QSize(35, 45));
  auto& link = rig.Find<AnimatedImage>("AniGIF3");
  EXPECT_EQ(link.FrameCount(), 19);
  EXPECT_EQ(link.FrameSize(), QSize(280, 120));
  EXPECT_EQ(rig.Find<QLabel>("Picture1").pixmap().size(), QSize(274, 51));

  rig.window->show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return antenna.CurrentFrame() >= 2; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return link.CurrentFrame() >= 2; }, 2000));
}

}  // namespace
}  // namespace quendal::test
