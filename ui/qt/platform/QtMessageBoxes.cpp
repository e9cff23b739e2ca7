#include "ui/qt/platform/QtMessageBoxes.h"

#include <QPointer>
#include <QWidget>

namespace quendal {
namespace {

QMessageBox::StandardButton ButtonFor(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::Yes:
      return QMessageBox::Yes;
    case MsgAnswer::No:
      return QMessageBox::No;
    case MsgAnswer::Ok:
      return QMessageBox::Ok;
  }
  return QMessageBox::Ok;
}

}  // namespace

QtMessageBoxes::QtMessageBoxes()
    : runner_([](QMessageBox& box) {
        box.exec();
        return box.standardButton(box.clickedButton());
      }) {}

MsgAnswer QtMessageBoxes::Show(const MessageRequest& request) {
  // A box owned by a minimised window would be hidden with it.
  QWidget* owner = owner_ && owner_->isVisible() && !owner_->isMinimized() ? owner_ : nullptr;
  const bool yesNo = request.buttons == MsgButtons::YesNo;
  QMessageBox box(request.icon == MsgIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                  QString::fromStdString(request.title), QString::fromStdString(request.text),
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
  // Over the main window, the box blocks that window only, so the simulated station can
  // still be set while a question waits; with no owner it blocks every window.
  box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
  box.setDefaultButton(ButtonFor(request.defaultButton));
  box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);

  switch (runner_(box)) {
    case QMessageBox::Yes:
      return yesNo ? MsgAnswer::Yes : request.defaultButton;
    case QMessageBox::No:
      return yesNo ? MsgAnswer::No : request.defaultButton;
    case QMessageBox::Ok:
      return yesNo ? request.defaultButton : MsgAnswer::Ok;
    default:
      return request.defaultButton;
  }
}

}  // namespace quendal
