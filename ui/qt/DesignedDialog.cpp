#include "ui/qt/DesignedDialog.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>

#include "ui/qt/Controls.h"
#include "ui/qt/FrmSobre.h"
#include "ui/qt/Look.h"
#include "ui/qt/art/Artwork.h"

namespace quendal {

DesignedDialog::DesignedDialog(const forms::Form& design,
                               std::span<const forms::DialogButton> buttons, QWidget* parent)
    : QDialog(parent) {
  setWindowIcon(WindowIcon());
  // Blocks the main window only: the simulated station stays at hand while it is open.
  setWindowModality(Qt::WindowModal);
  Designer d(*this);
  d.Build(design);
  CentreOnScreen(*this);

  for (const forms::DialogButton& button : buttons) {
    auto* control = findChild<QAbstractButton*>(Utf8(button.control));
    if (button.action == forms::DialogAction::Close) {
      connect(control, &QAbstractButton::clicked, this, &QDialog::reject);
    } else {
      // Whether a browser opened is not the program's concern.
      connect(control, &QAbstractButton::clicked, this,
              [] { QDesktopServices::openUrl(kMakerPage); });
    }
  }
  d.SetTabOrder(design);
}

}  // namespace quendal
