#pragma once

#include <span>

#include "ui/forms/Dialogs.h"
#include "ui/win32/DesignedWindow.h"

namespace quendal::win32 {

// The About or Help window, modal over its owner: the owner takes no input while it is
// open, but the thread's timers keep firing in its loop, so the clock and the scheduler
// go on. Its buttons close it or open the maker's page; nothing else of the program
// listens to it.
class DesignedDialog final : public DesignedWindow {
 public:
  DesignedDialog(const forms::Form& design, std::span<const forms::DialogButton> buttons)
      : DesignedWindow(design), buttons_(buttons) {}

  // Shows the window and returns once it is closed.
  void Run(HWND owner);

 private:
  void Clicked(std::string_view control) override;
  LRESULT Other(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::span<const forms::DialogButton> buttons_;
  bool open_ = false;
};

// The message loop of a modal window: runs until `open` turns false or the program is
// asked to end (then the request is left for the outer loop).
void RunModalLoop(const bool& open);

}  // namespace quendal::win32
