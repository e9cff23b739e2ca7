#include <array>

#include "core/ClipLibrary.h"
#include "core/Messages.h"
#include "core/Pauses.h"
#include "core/StationController.h"
#include "core/TextRules.h"

namespace quendal {
namespace {

struct ScheduleRule {
  Box box;
  int minute;
};

// Taken in this order on every tick; each fires at second 1 of its minute.
constexpr std::array<ScheduleRule, 7> kScheduleRules = {{
    {Box::Check1, 0},
    {Box::Check2, 30},
    {Box::Check2, 0},
    {Box::Check3, 15},
    {Box::Check3, 30},
    {Box::Check3, 45},
    {Box::Check3, 0},
}};

constexpr int kFiringSecond = 1;

}  // namespace

void StationController::Timer2_Timer() {
  if (ended_ || scheduledAnnouncementRunning_) return;
  if (StationReceiving()) return;
  for (const ScheduleRule& rule : kScheduleRules) {
    // Each rule reads the clock afresh: after an announcement has run, the next rule no
    // longer sees second 1, so one tick fires at most once.
    const int minute = platform_.clock.Now().minute;
    const LocalTime reading = platform_.clock.Now();
    if (minute == rule.minute && reading.second == kFiringSecond && options_.IsSet(rule.box)) {
      RunScheduledAnnouncement(reading);
    }
  }
}

void StationController::RunScheduledAnnouncement(const LocalTime& reading) {
  scheduledAnnouncementRunning_ = true;
  const std::string& app = platform_.app.path;
  // Empty until read, and kept when a later read fails; empty counts as no station.
  std::optional<std::int32_t> connection;
  const auto readConnection = [&] {
    if (auto count = state_.Echo->ConnectedCount()) connection = count;
    return connection.value_or(0) != 0;
  };
  const auto notConnected = [&] {
    ShowMessage(MessageRequest{messages::kNotConnected, messages::kNotConnectedTitle});
    Wait(pauses::kAfterMessage);
  };

  state_.hora = std::to_string(reading.hour);
  state_.minuto = std::to_string(reading.minute);
  PadHoraMinuto();

  if (options_.IsSet(Box::Check7)) {
    if (readConnection()) {
      Wait(pauses::kLeadIn);
      PlayOnIp(HourClip(app, state_.hora));
      PlayOnIp(MinuteClip(app, state_.minuto));
      Wait(pauses::kAfterTimeOnIp);
    } else {
      notConnected();
    }
  }

  if (options_.IsSet(Box::Check4)) {
    // Keyed here and held into the temperature, which unkeys in its first RF send.
    RfTransmit(true);
    Wait(pauses::kLeadIn);
    PlayOnRf(HourClip(app, state_.hora));
    Wait(pauses::kAfterHourClip);
    PlayOnRf(MinuteClip(app, state_.minuto));
    Wait(pauses::kAfterMinuteClip);
  }

  if (options_.IsSet(Box::Check5)) {
    if (!ExisteArquivo(TemperatureFile(app))) {
      ShowTemperatureFileMissing(messages::kTemperatureFileMissing);
    } else {
      std::size_t spoken = 0;
      for (TemperatureLine& line : ScanTemperatureFile(ReadTemperatureFile().value_or(""))) {
        if (line.key && spoken == kMostTemperaturesSpoken) break;
        state_.intext = line.text;
        if (!line.key) continue;
        ++spoken;
        if (options_.IsSet(Box::Check7)) {
          if (readConnection()) {
            SendIp(*line.key);
          } else {
            notConnected();
          }
        }
        if (options_.IsSet(Box::Check4)) SendRf(*line.key);
      }
    }
  }

  if (options_.IsSet(Box::Check6)) {
    const std::string key = TwoCharacterKey(options_.Text1());
    if (!IsAcceptedTemperature(key)) {
      RejectManualValue(" ");
    } else {
      // No link test here: the manual value goes to the host all the same.
      if (options_.IsSet(Box::Check7)) SendIp(key);
      if (options_.IsSet(Box::Check4)) SendRf(key);
    }
  }

  RfTransmit(false);
  scheduledAnnouncementRunning_ = false;
}

}  // namespace quendal
