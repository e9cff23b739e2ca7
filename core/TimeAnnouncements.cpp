#include "core/ClipLibrary.h"
#include "core/Messages.h"
#include "core/Pauses.h"
#include "core/StationController.h"

namespace quendal {

void StationController::hora_rf_Click() {
  if (ended_ || StationReceiving()) return;
  IpTransmit(false);
  // The values the clock refresh wrote last: this sequence does not refresh them.
  PadHoraMinuto();
  Wait(pauses::kLeadIn);
  RfTransmit(true);
  PlayOnRf(HourClip(platform_.app.path, state_.hora));
  Wait(pauses::kAfterHourClip);
  PlayOnRf(MinuteClip(platform_.app.path, state_.minuto));
  Wait(pauses::kAfterMinuteClip);
  RfTransmit(false);
  TemperatureTail(/*afterRfTime=*/true);
  RfTransmit(false);
}

void StationController::hora_ip_Click() {
  if (ended_ || StationReceiving()) return;
  if (state_.Echo->ConnectedCount().value_or(0) == 0) {
    ShowMessage(MessageRequest{messages::kNotConnected, messages::kNotConnectedTitle});
    return;
  }
  RfTransmit(false);
  Timer1_Timer();
  PadHoraMinuto();
  IpTransmit(true);
  Wait(pauses::kLeadIn);
  // Back to back: the host queues them and plays each to its end.
  PlayOnIp(HourClip(platform_.app.path, state_.hora));
  PlayOnIp(MinuteClip(platform_.app.path, state_.minuto));
  Wait(pauses::kAfterTimeOnIp);
  TemperatureTail(/*afterRfTime=*/false);
  IpTransmit(false);
}

}  // namespace quendal
