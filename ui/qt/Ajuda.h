#pragma once

#include <QDialog>

namespace quendal {

// The help text as designed: eleven lines ended by CR LF.
extern const char* const kHelpText;

// The Help window: a short text and a button back.
class Ajuda final : public QDialog {
  Q_OBJECT

 public:
  explicit Ajuda(QWidget* parent = nullptr);
};

}  // namespace quendal
