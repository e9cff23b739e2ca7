#pragma once

#include "core/platform/Desktop.h"
#include "core/platform/MessageBoxes.h"

namespace quendal {

// Message boxes where nobody is there to read them: each is answered at once with its
// default button, so no box ever holds the program (or, before it, a carrier).
class AnsweringMessageBoxes final : public MessageBoxes {
 public:
  MsgAnswer Show(const MessageRequest& request) override { return request.defaultButton; }
};

// A session with no screen: no windows to show, no one to beep at.
class UnattendedDesktop final : public Desktop {
 public:
  void Beep() override {}
  void ShowAbout() override {}
  void ShowHelp() override {}
  void Repaint() override {}
  // Output flushed, then the process gone at once, as the desktop program ends.
  void End() override;
};

}  // namespace quendal
