#include "ui/qt/Ajuda.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "ui/qt/Controls.h"
#include "ui/qt/Look.h"
#include "ui/qt/art/Artwork.h"
#include "ui/qt/widgets/PictureButton.h"

namespace quendal {

const char* const kHelpText =
    "Quendal foi criado para proporcionar \r\n"
    "mensagens de horas e temperaturas \r\n"
    "para amigos que estão lincados via IP \r\n"
    "ou ainda RF.\r\n"
    " \r\n"
    "Este programa utiliza mensagens pré \r\n"
    "gravadas, tanto para Quendals como \r\n"
    "para temperatura em suas respectivas \r\n"
    "pastas.\r\n"
    " \r\n"
    "Para a temperatura automática pode-se utilizar qualquer programa que se atualize via "
    "internet e grave-se exportando em um arquivo temperatura.html.\r\n";

Ajuda::Ajuda(QWidget* parent) : QDialog(parent) {
  setObjectName("Ajuda");
  setWindowTitle("Ajuda");
  setWindowIcon(WindowIcon());
  // Blocks the main window only: the simulated station stays at hand while it is open.
  setWindowModality(Qt::WindowModal);
  Designer d(*this);
  setFixedSize(d.Rect(0, 0, 5145, 5700).size());
  CentreOnScreen(*this);

  QLabel& title =
      d.Label(*this, "Label1", "Quendal", d.Rect(1560, 120, 2055, 735), SerifFont(27.75, true));
  SetTextColour(title, QColor(0, 0, 255));

  auto* text = new QPlainTextEdit(this);
  text->setObjectName("Text1");
  text->setGeometry(d.Rect(240, 960, 4695, 3495));
  text->setFont(SansFont(9.75, true));
  text->setTabChangesFocus(true);
  text->setPlainText(QString::fromUtf8(kHelpText).replace("\r\n", "\n"));

  PictureButton& back =
      d.Button(*this, "Command1", "Retornar", d.Rect(3600, 4560, 1335, 975), SansFont(9.75, true),
               QColor(255, 192, 192), ButtonIcon(ButtonPicture::Back));
  connect(&back, &QAbstractButton::clicked, this, &QDialog::reject);

  setTabOrder(&back, text);
  back.setFocus();
}

}  // namespace quendal
