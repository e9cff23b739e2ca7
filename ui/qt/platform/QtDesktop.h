#pragma once

#include <functional>

#include "core/platform/Desktop.h"

class QWidget;

namespace quendal {

// The session around the program: the beep, the About and Help windows and the end.
class QtDesktop final : public Desktop {
 public:
  // `end` stops the process; it must not return into the program.
  explicit QtDesktop(std::function<void()> end) : end_(std::move(end)) {}

  void SetMainWindow(QWidget* window) { window_ = window; }

  void Beep() override;
  void ShowAbout() override;
  void ShowHelp() override;
  void Repaint() override;
  void End() override { end_(); }

  // The end of a real run: output flushed, then the process gone at once, with nothing
  // of the program or of the toolkit running its shutdown steps.
  static void EndProcess();

 private:
  std::function<void()> end_;
  QWidget* window_ = nullptr;
};

}  // namespace quendal
