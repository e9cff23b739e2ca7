#pragma once

#include <string>

#include "host/ReceptionLights.h"
#include "options/OptionSet.h"

namespace quendal {

// What the main window shows besides the options. Written by the clock refresh, the
// click rules and the light refresh; nothing reads it back.
struct Display {
  std::string Label2;                       // the clock, "hh:mm:ss"
  std::string Label3;                       // the temperature key of the file's last matching line
  LightColour Shape1 = LightColour::Green;  // radio side receiving
  LightColour Shape2 = LightColour::Green;  // internet side receiving
};

enum class DisplayField { Label2, Label3, Shape1, Shape2 };

// A view of the controller: the window, the simulator's timeline. Told after a value
// changed; it reads the new value from the controller. Calls come from inside handlers,
// so a view must not call back into a handler.
class StationView {
 public:
  virtual ~StationView() = default;
  virtual void BoxChanged(Box) {}
  // Only when the program writes the text; what the user types is the view's own.
  virtual void Text1Changed() {}
  virtual void DisplayChanged(DisplayField) {}
};

// Tells `view` of every value, for a view made after values were set.
void ShowAll(StationView& view);

}  // namespace quendal
