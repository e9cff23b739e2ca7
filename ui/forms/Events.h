#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quendal {
class StationController;
}

// What each event of the main window starts in the controller.
namespace quendal::forms {

struct ClickHandler {
  std::string_view control;
  void (*run)(StationController&);
};

struct TypingHandler {
  std::string_view control;
  void (*run)(StationController&, std::string typed);
};

// Every control a click reaches the controller through: the option boxes and the buttons.
extern const std::span<const ClickHandler> kClicks;
// Text typed into a text box; no rule runs until a sequence reads it.
extern const std::span<const TypingHandler> kTyping;

// Null when no click of `control` reaches the controller.
const ClickHandler* FindClick(std::string_view control);

// One second of the three one-second timers, in the order they run: the clock refresh
// (Timer1), the scheduler (Timer2), the reception lights (Timer3). Once one of them has
// ended the program, the rest do not run.
void Tick(StationController& controller);

}  // namespace quendal::forms
