#pragma once

#include <QDialog>
#include <span>

#include "ui/forms/Dialogs.h"
#include "ui/forms/Form.h"

namespace quendal {

// A secondary window built from its designed table, modal over the main window, its
// buttons doing what the table says.
class DesignedDialog : public QDialog {
  Q_OBJECT

 protected:
  DesignedDialog(const forms::Form& design, std::span<const forms::DialogButton> buttons,
                 QWidget* parent);
};

}  // namespace quendal
