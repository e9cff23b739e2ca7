#include "ui/qt/FrmQuendal.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "core/StationController.h"
#include "host/ReceptionLights.h"
#include "ui/qt/Controls.h"
#include "ui/qt/Look.h"
#include "ui/qt/art/Artwork.h"
#include "ui/qt/platform/EventGate.h"
#include "ui/qt/widgets/AnimatedImage.h"
#include "ui/qt/widgets/LightShape.h"
#include "ui/qt/widgets/OptionBox.h"
#include "ui/qt/widgets/PictureButton.h"

namespace quendal {
namespace {

// Light colours come as the platform's blue-green-red values.
QColor LightQColor(LightColour colour) {
  const unsigned value = ColourValue(colour);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FrmQuendal::FrmQuendal(StationController& controller, EventGate& gate, QWidget* parent)
    : QWidget(parent), controller_(controller), gate_(gate) {
  setObjectName("frmquendal");
  setWindowTitle("Quendal");
  setWindowIcon(WindowIcon());
  // Minimising keeps the program working, so it stays possible; the size is fixed.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  Build();
  Wire();
  SetTabOrder();
  ShowAll();
  controller_.SetView(this);
}

FrmQuendal::~FrmQuendal() { controller_.SetView(nullptr); }

void FrmQuendal::Build() {
  Designer d(*this);
  setFixedSize(d.Rect(0, 0, 7320, 7050).size());
  const QColor blue(0, 0, 255);

  QLabel& band = d.Label(*this, "Label9", "", d.Rect(240, 120, 6855, 1095), DefaultFont());
  SetBackground(band, Qt::white);
  auto* aniGif1 = new AnimatedImage(this);
  aniGif1->setObjectName("AniGIF1");
  aniGif1->setGeometry(d.Rect(240, 240, 1335, 1095));
  auto* aniGif2 = new AnimatedImage(this);
  aniGif2->setObjectName("AniGIF2");
  aniGif2->setGeometry(d.Rect(240, 240, 735, 855));
  aniGif2->SetFrames(AntennaFrames(), 120);
  QLabel& picture1 = d.Label(*this, "Picture1", "", d.Rect(720, 240, 4095, 735), DefaultFont());
  picture1.setPixmap(HostBanner());
  auto* aniGif3 = new AnimatedImage(this);
  aniGif3->setObjectName("AniGIF3");
  aniGif3->setGeometry(d.Rect(5040, 120, 2055, 975));
  aniGif3->SetFrames(LinkFrames(), 100);
  QLabel& label10 =
      d.Label(*this, "Label10", "Quendal", d.Rect(4200, 960, 975, 255), SansFont(8.25, true));
  SetTextColour(label10, blue);

  QLabel& label1 = d.Label(*this, "Label1", "Habilita Quendal TTS", d.Rect(240, 1320, 5175, 735),
                           SerifFont(27.75, true));
  d.FitCaption(label1);
  SetTextColour(label1, QColor(0, 128, 0));

  label2_ = &d.Label(*this, "Label2", "", d.Rect(5760, 1440, 1335, 495), SansFont(13.5, true));
  label2_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label2_->setAlignment(Qt::AlignCenter);
  SetBackground(*label2_, palette().color(QPalette::ButtonText));
  SetTextColour(*label2_, QColor(0, 255, 0));

  QGroupBox& frame1 = d.Frame(*this, "Frame1", "Selecione a opção", d.Rect(240, 2040, 3615, 1575),
                              SansFont(8.25, true), blue);
  boxes_[0] = &d.Box(frame1, "Check1", "toda hora cheia", d.Rect(240, 360, 2055, 375),
                     SansFont(9.75, true));
  boxes_[1] =
      &d.Box(frame1, "Check2", "cada meia hora", d.Rect(240, 720, 2055, 375), SansFont(9.75, true));
  boxes_[2] = &d.Box(frame1, "Check3", "cada quinze minutos", d.Rect(240, 1080, 2655, 375),
                     SansFont(9.75, true));
  boxes_[3] = &d.Box(frame1, "Check4", "", d.Rect(2880, 600, 255, 255), DefaultFont());
  d.Label(frame1, "Label5", "RF", d.Rect(3120, 600, 255, 375), SansFont(8.25, true));
  boxes_[6] = &d.Box(frame1, "Check7", "", d.Rect(2880, 960, 255, 255), DefaultFont());
  d.Label(frame1, "Label6", "IP", d.Rect(3120, 960, 255, 255), SansFont(8.25, true));

  QGroupBox& frame2 = d.Frame(*this, "Frame2", "Temperatura", d.Rect(4080, 2040, 3015, 1575),
                              SansFont(8.25, true), blue);
  boxes_[4] = &d.Box(frame2, "Check5", "valor automático", d.Rect(240, 360, 1815, 375),
                     SansFont(8.25, true));
  label3_ = &d.Label(frame2, "Label3", "", d.Rect(2160, 360, 615, 375), SansFont(12, true));
  label3_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label3_->setAlignment(Qt::AlignCenter);
  boxes_[5] = &d.Box(frame2, "Check6", "valor manual -->", d.Rect(240, 960, 1695, 375),
                     SansFont(8.25, true));
  text1_ = new QLineEdit(&frame2);
  text1_->setObjectName("Text1");
  text1_->setGeometry(d.Rect(2160, 960, 615, 375));
  text1_->setFont(SansFont(12, true));
  SetTextColour(*text1_, Qt::black);

  QGroupBox& frame3 = d.Frame(*this, "Frame3", "Sinal de recepção", d.Rect(240, 3720, 3495, 855),
                              SansFont(8.25, true), blue);
  shape1_ = new LightShape(LightQColor(LightColour::Green), &frame3);
  shape1_->setObjectName("Shape1");
  shape1_->setGeometry(d.Rect(120, 360, 495, 375));
  d.Label(frame3, "Label7", "Rádio", d.Rect(600, 360, 855, 255), SansFont(12, true));
  shape2_ = new LightShape(LightQColor(LightColour::Green), &frame3);
  shape2_->setObjectName("Shape2");
  shape2_->setGeometry(d.Rect(1680, 360, 735, 375));
  d.Label(frame3, "Label8", "Internet", d.Rect(2280, 360, 1095, 375), SansFont(12, true));

  const QFont plain = DefaultFont();
  const QFont bold = SansFont(8.25, true);
  d.Button(*this, "Command5", "Grava opções", d.Rect(5040, 3720, 975, 855), plain,
           QColor(128, 255, 128), ButtonIcon(ButtonPicture::Save));
  d.Button(*this, "Command6", "Lê as opções", d.Rect(6120, 3720, 975, 855), plain,
           QColor(128, 255, 255), ButtonIcon(ButtonPicture::Open));
  d.Button(*this, "hora_rf", "Envia a hora (RF)", d.Rect(240, 4680, 1455, 975), plain,
           QColor(255, 255, 192), ButtonIcon(ButtonPicture::Clock));
  d.Button(*this, "hora_ip", "Envia a hora (IP)", d.Rect(1800, 4680, 1335, 975), plain,
           QColor(255, 255, 192), ButtonIcon(ButtonPicture::Clock));
  d.Button(*this, "Command2", "Envia Temperatura", d.Rect(3240, 4680, 1575, 975), plain,
           QColor(255, 224, 192), ButtonIcon(ButtonPicture::Thermometer));
  d.Button(*this, "Command4", "Ajuda", d.Rect(5040, 4800, 975, 855), bold, QColor(255, 192, 192),
           ButtonIcon(ButtonPicture::Help));
  d.Button(*this, "Command3", "Sobre", d.Rect(6120, 4800, 975, 855), bold, QColor(255, 255, 0),
           ButtonIcon(ButtonPicture::About));
  d.Button(*this, "Command1", "Encerrar", d.Rect(5640, 5760, 1455, 1095), SansFont(9.75, true),
           QColor(255, 0, 0), ButtonIcon(ButtonPicture::Quit));

  QLabel& label4 =
      d.Label(*this, "Label4",
              "OBS: Para que a seleção fique ativa, somente minimize ou deixe a janela aberta.",
              d.Rect(240, 6120, 5295, 615), SansFont(12, true));
  label4.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  SetTextColour(label4, QColor(192, 0, 0));
}

void FrmQuendal::Wire() {
  OnClick(*findChild<PictureButton*>("hora_rf"), &StationController::hora_rf_Click);
  OnClick(*findChild<PictureButton*>("hora_ip"), &StationController::hora_ip_Click);
  OnClick(*findChild<PictureButton*>("Command1"), &StationController::Command1_Click);
  OnClick(*findChild<PictureButton*>("Command2"), &StationController::Command2_Click);
  OnClick(*findChild<PictureButton*>("Command3"), &StationController::Command3_Click);
  OnClick(*findChild<PictureButton*>("Command4"), &StationController::Command4_Click);
  OnClick(*findChild<PictureButton*>("Command5"), &StationController::Command5_Click);
  OnClick(*findChild<PictureButton*>("Command6"), &StationController::Command6_Click);

  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const Box box = static_cast<Box>(i + 1);
    connect(boxes_[i], &QCheckBox::clicked, this,
            [this, box] { gate_.User([this, box] { controller_.ClickBox(box); }); });
  }
  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
    gate_.User([this, text] { controller_.TypeText1(text.toStdString()); });
  });
}

void FrmQuendal::OnClick(PictureButton& button, void (StationController::*handler)()) {
  connect(&button, &QAbstractButton::clicked, this,
          [this, handler] { gate_.User([this, handler] { (controller_.*handler)(); }); });
}

void FrmQuendal::SetTabOrder() {
  const char* const order[] = {"Command1", "hora_rf",  "hora_ip",  "Check1",  "Check2", "Check3",
                               "Text1",    "Command2", "Check5",   "Check6",  "Check4", "Check7",
                               "Command3", "Command4", "Command5", "Command6"};
  QWidget* previous = nullptr;
  for (const char* name : order) {
    QWidget* next = findChild<QWidget*>(name);
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
  for (const char* name : {"AniGIF1", "AniGIF2", "AniGIF3", "Picture1"}) {
    findChild<QWidget*>(name)->setFocusPolicy(Qt::NoFocus);
  }
  findChild<QWidget*>("Command1")->setFocus();
}

void FrmQuendal::ShowAll() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) BoxChanged(static_cast<Box>(i + 1));
  Text1Changed();
  for (DisplayField field :
       {DisplayField::Label2, DisplayField::Label3, DisplayField::Shape1, DisplayField::Shape2}) {
    DisplayChanged(field);
  }
}

void FrmQuendal::closeEvent(QCloseEvent* event) {
  // The controller decides; the window closes only once the program has ended.
  event->ignore();
  if (gate_.Busy()) {
    gate_.HoldClose([this] { controller_.AskQuit(); });
    return;
  }
  bool ended = false;
  gate_.Run([this, &ended] { ended = controller_.AskQuit(); });
  if (ended) event->accept();
}

void FrmQuendal::BoxChanged(Box box) {
  boxes_[static_cast<std::size_t>(box) - 1]->ShowValue(controller_.Options().Value(box));
}

void FrmQuendal::Text1Changed() { text1_->setText(FromUtf8(controller_.Options().Text1())); }

void FrmQuendal::DisplayChanged(DisplayField field) {
  const Display& display = controller_.GetDisplay();
  switch (field) {
    case DisplayField::Label2:
      label2_->setText(FromUtf8(display.Label2));
      return;
    case DisplayField::Label3:
      label3_->setText(FromUtf8(display.Label3));
      return;
    case DisplayField::Shape1:
      shape1_->SetFill(LightQColor(display.Shape1));
      return;
    case DisplayField::Shape2:
      shape2_->SetFill(LightQColor(display.Shape2));
      return;
  }
}

}  // namespace quendal
