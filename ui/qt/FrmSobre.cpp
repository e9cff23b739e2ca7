#include "ui/qt/FrmSobre.h"

#include <QDesktopServices>
#include <QLabel>

#include "ui/qt/Controls.h"
#include "ui/qt/Look.h"
#include "ui/qt/art/Artwork.h"
#include "ui/qt/widgets/AnimatedImage.h"
#include "ui/qt/widgets/PictureButton.h"

namespace quendal {
namespace {

// The classic desktop background; Qt has no role for the desktop's colour.
const QColor kDesktopColour(0, 128, 128);

}  // namespace

FrmSobre::FrmSobre(QWidget* parent) : QDialog(parent) {
  setObjectName("frmsobre");
  setWindowTitle("Sobre");
  setWindowIcon(WindowIcon());
  // Blocks the main window only: the simulated station stays at hand while it is open.
  setWindowModality(Qt::WindowModal);
  Designer d(*this);
  setFixedSize(d.Rect(0, 0, 4680, 5580).size());
  CentreOnScreen(*this);

  auto* tower = new AnimatedImage(this);
  tower->setObjectName("AniGIF1");
  tower->setGeometry(d.Rect(120, 120, 855, 1215));
  tower->SetFrames(TowerFrames(), 150);

  QLabel& name =
      d.Label(*this, "Label1", "QUENDAL", d.Rect(1560, 120, 2775, 615), SerifFont(26.25, true));
  SetTextColour(name, palette().color(QPalette::Active, QPalette::Highlight));
  d.Label(*this, "Label4", QStringLiteral("Versão %1").arg(QUENDAL_VERSION),
          d.Rect(1440, 840, 3015, 375), SansFont(8.25, true));
  d.HorizontalLine(*this, "Line1", 120, 4560, 1320);
  QLabel& credit = d.Label(*this, "Label2", "Autor: equipe Quendal", d.Rect(240, 1440, 4095, 495),
                           SansFont(13.5, true));
  SetTextColour(credit, QColor(0, 128, 0));
  QLabel& station =
      d.Label(*this, "Label5", "KORVA", d.Rect(1440, 1800, 1455, 615), SerifFont(24, true));
  SetTextColour(station, kDesktopColour);
  d.FitCaption(station);
  d.Label(*this, "Label3", "Oficina de Software da Estação KORVA", d.Rect(120, 2520, 4455, 375),
          SansFont(8.25, true));
  d.HorizontalLine(*this, "Line4", 120, 4440, 3000);
  QLabel& notice = d.Label(*this, "Label6",
                           "Quendal é software livre: pode ser usado, copiado e distribuído "
                           "à vontade, sem garantia de qualquer espécie. Sugestões e "
                           "críticas: quendal@korva.example.org",
                           d.Rect(120, 3120, 4455, 855), DefaultFont());
  notice.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  d.HorizontalLine(*this, "Line3", 120, 4560, 4080);

  PictureButton& visit =
      d.Button(*this, "Command1", "Visitar Servidor  KORVA", d.Rect(240, 4320, 2295, 1095),
               SansFont(8.25, true), QColor(192, 255, 255), ButtonIcon(ButtonPicture::Globe));
  PictureButton& back =
      d.Button(*this, "ret", "Retornar", d.Rect(3000, 4320, 1455, 1095), SansFont(8.25, true),
               QColor(255, 192, 192), ButtonIcon(ButtonPicture::Back));
  // Whether a browser opened is not the program's concern.
  connect(&visit, &QAbstractButton::clicked, this, [] { QDesktopServices::openUrl(kMakerPage); });
  connect(&back, &QAbstractButton::clicked, this, &QDialog::reject);

  setTabOrder(&back, &visit);
  back.setFocus();
}

}  // namespace quendal
