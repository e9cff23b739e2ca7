#include "ui/qt/widgets/OptionBox.h"

namespace quendal {

OptionBox::OptionBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  setTristate(true);
}

void OptionBox::ShowValue(std::int16_t value) {
  switch (value) {
    case 0:
      setCheckState(Qt::Unchecked);
      return;
    case 2:
      setCheckState(Qt::PartiallyChecked);
      return;
    default:
      setCheckState(Qt::Checked);
      return;
  }
}

}  // namespace quendal
