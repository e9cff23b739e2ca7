#include "ui/qt/Ajuda.h"

#include "ui/forms/Ajuda.h"

namespace quendal {

Ajuda::Ajuda(QWidget* parent) : DesignedDialog(forms::kAjuda, forms::kAjudaButtons, parent) {}

}  // namespace quendal
