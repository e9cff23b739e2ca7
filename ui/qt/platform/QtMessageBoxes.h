#pragma once

#include <QMessageBox>
#include <functional>

#include "core/platform/MessageBoxes.h"

class QWidget;

namespace quendal {

// Modal message boxes. The box runs its own event loop, so ticks go on while it is open
// and the main window takes no input.
class QtMessageBoxes final : public MessageBoxes {
 public:
  // Opens the prepared box and returns the button that closed it. Tests replace it to
  // read the box and answer without a person.
  using Runner = std::function<QMessageBox::StandardButton(QMessageBox&)>;

  QtMessageBoxes();

  // The window the boxes stand over while it is shown; none before that.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void SetRunner(Runner runner) { runner_ = std::move(runner); }

  MsgAnswer Show(const MessageRequest& request) override;

 private:
  QWidget* owner_ = nullptr;
  Runner runner_;
};

}  // namespace quendal
