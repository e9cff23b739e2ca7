#include "ui/qt/FrmSobre.h"

namespace quendal {

FrmSobre::FrmSobre(QWidget* parent)
    : DesignedDialog(forms::kFrmSobre, forms::kFrmSobreButtons, parent) {}

}  // namespace quendal
