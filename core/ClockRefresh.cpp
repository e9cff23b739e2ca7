#include <cstdio>

#include "core/ClipLibrary.h"
#include "core/Messages.h"
#include "core/Pauses.h"
#include "core/StationController.h"
#include "core/TextRules.h"

namespace quendal {
namespace {

std::string ClockText(const LocalTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  return text;
}

}  // namespace

void StationController::Timer1_Timer() {
  if (ended_) return;
  state_.hora = std::to_string(platform_.clock.Now().hour);
  state_.minuto = std::to_string(platform_.clock.Now().minute);
  SetLabel(display_.Label2, DisplayField::Label2, ClockText(platform_.clock.Now()));

  if (ExisteArquivo(TemperatureFile(platform_.app.path))) {
    // The last matching line wins; a file without one leaves the display as it was.
    const std::vector<std::string> keys = TemperatureKeys(ReadTemperatureFile().value_or(""));
    if (!keys.empty()) SetTemperatureDisplay(keys.back());
    return;
  }
  // A station that types its temperature has no weather program: only the automatic
  // source needs the file, and one box at a time is enough to tell the operator.
  if (!options_.IsSet(Box::Check5) || temperatureFileBoxOpen_) return;
  ShowTemperatureFileMissing(messages::kTemperatureFileMissing);
  Wait(pauses::kAfterMessage);
}

}  // namespace quendal
