#include "core/ClipLibrary.h"
#include "core/Messages.h"
#include "core/Pauses.h"
#include "core/StationController.h"
#include "core/TextRules.h"

namespace quendal {

void StationController::Command2_Click() {
  if (ended_) return;
  if (options_.IsSet(Box::Check5) && !StationReceiving()) {
    if (!ExisteArquivo(TemperatureFile(platform_.app.path))) {
      ShowTemperatureFileMissing(messages::kTemperatureFileMissingShort);
    } else {
      for (const std::string& key : SpokenTemperatureKeys()) {
        Wait(pauses::kBeforeTemperature);
        AnnounceKey(key);
      }
    }
  }
  if (options_.IsSet(Box::Check6)) {
    // Judged as typed, before the reception guard, so a bad value is always told.
    const std::string typed = options_.Text1();
    if (!IsAcceptedTemperature(typed)) {
      RejectManualValue("  ");
      return;
    }
    if (StationReceiving()) return;
    AnnounceKey(TwoCharacterKey(typed));
  }
}

void StationController::TemperatureTail(bool afterRfTime) {
  if (options_.IsSet(Box::Check5)) {
    if (afterRfTime) Wait(pauses::kBeforeTemperature);
    if (!ExisteArquivo(TemperatureFile(platform_.app.path))) {
      ShowTemperatureFileMissing(messages::kTemperatureFileMissing);
    } else {
      for (const std::string& key : SpokenTemperatureKeys()) {
        AnnounceKey(key);
      }
    }
  }
  if (options_.IsSet(Box::Check6)) {
    // Judged by its key here: "100" passes as 00 and an empty text as 00.
    const std::string key = TwoCharacterKey(options_.Text1());
    if (!IsAcceptedTemperature(key)) {
      RejectManualValue(" ");
    } else {
      AnnounceKey(key);
    }
  }
}

void StationController::RejectManualValue(const char* blanks) {
  ShowMessage(messages::kTemperatureRange);
  SetManualText(blanks);
  SetBox(Box::Check6, kCleared);
}

void StationController::AnnounceKey(const std::string& key) {
  if (options_.IsSet(Box::Check4)) SendRf(key);
  if (options_.IsSet(Box::Check7)) SendIp(key);
}

void StationController::SendRf(const std::string& key) {
  Wait(pauses::kLeadIn);
  RfTransmit(true);
  PlayOnRf(TemperatureClip(platform_.app.path, key));
  Wait(pauses::kAfterTemperatureOnRf);
  RfTransmit(false);
}

void StationController::SendIp(const std::string& key) {
  IpTransmit(true);
  PlayOnIp(TemperatureClip(platform_.app.path, key));
  Wait(pauses::kAfterTemperatureOnIp);
  IpTransmit(false);
}

}  // namespace quendal
