#include "options/ClickRules.h"

namespace quendal {

void RunClickRule(Box box, OptionControls& controls) {
  const bool set = controls.Value(box) == kSet;
  switch (box) {
    case Box::Check1:
      if (set) {
        controls.SetValue(Box::Check2, kCleared);
        controls.SetValue(Box::Check3, kCleared);
        controls.RunSchedulerTick();
      }
      controls.Repaint();
      return;
    // The scheduler's timer runs from load on and nothing stops it, so the half-hour and
    // quarter-hour rules have no timer to enable again.
    case Box::Check2:
      if (set) {
        controls.SetValue(Box::Check1, kCleared);
        controls.SetValue(Box::Check3, kCleared);
      }
      return;
    case Box::Check3:
      if (set) {
        controls.SetValue(Box::Check1, kCleared);
        controls.SetValue(Box::Check2, kCleared);
      }
      return;
    case Box::Check4:
      if (set) controls.SetValue(Box::Check7, kCleared);
      return;
    case Box::Check7:
      if (set) controls.SetValue(Box::Check4, kCleared);
      return;
    case Box::Check5:
      if (set) {
        controls.SetValue(Box::Check6, kCleared);
        controls.SetManualText(" ");
      }
      return;
    case Box::Check6:
      if (set) {
        controls.SetValue(Box::Check5, kCleared);
        controls.SetTemperatureDisplay(" ");
      }
      return;
  }
}

}  // namespace quendal
