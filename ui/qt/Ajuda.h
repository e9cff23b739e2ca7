#pragma once

#include "ui/qt/DesignedDialog.h"

namespace quendal {

// The Help window: a short text and a button back.
class Ajuda final : public DesignedDialog {
  Q_OBJECT

 public:
  explicit Ajuda(QWidget* parent = nullptr);
};

}  // namespace quendal
