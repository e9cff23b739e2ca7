#include "core/StationController.h"

#include "core/ClipLibrary.h"
#include "core/Messages.h"
#include "core/TextRules.h"
#include "host/ReceptionLights.h"
#include "options/ClickRules.h"
#include "options/OptionsFile.h"

namespace quendal {

StationController::StationController(Platform platform) : platform_(std::move(platform)) {}

void StationController::Form_Load() {
  state_.Echo = platform_.hosts.Create();
  const bool hostMissing = state_.Echo == nullptr;
  if (hostMissing) state_.Echo = platform_.hosts.StandIn();

  state_.hora = std::to_string(platform_.clock.Now().hour);
  state_.minuto = std::to_string(platform_.clock.Now().minute);
  PadHoraMinuto();

  timersEnabled_ = true;

  ApplyOptions(OptionsCaller::Load);

  // Told once the options are in place, so the operator reads it over a settled window.
  if (hostMissing) ShowMessage(messages::kHostUnavailable);
}

void StationController::RefreshLights() {
  if (ended_) return;
  RetryUnconfirmedReleases();
  const LightColour radio = LightFor(state_.Echo->RadioReceiving());
  if (display_.Shape1 != radio) {
    display_.Shape1 = radio;
    view_->DisplayChanged(DisplayField::Shape1);
  }
  const LightColour internet = LightFor(state_.Echo->InternetReceiving());
  if (display_.Shape2 != internet) {
    display_.Shape2 = internet;
    view_->DisplayChanged(DisplayField::Shape2);
  }
}

void StationController::Command3_Click() {
  if (ended_) return;
  platform_.desktop.ShowAbout();
}

void StationController::Command4_Click() {
  if (ended_) return;
  platform_.desktop.Beep();
  platform_.desktop.ShowHelp();
}

bool StationController::AskQuit() {
  if (ended_) return true;
  const MsgAnswer answer =
      ShowMessage(MessageRequest{messages::kQuitQuestion, platform_.app.executable,
                                 MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::No});
  if (answer != MsgAnswer::Yes) return false;
  ReleaseTransmitters();
  ended_ = true;
  platform_.desktop.End();
  return true;
}

// ---- Options -----------------------------------------------------------------------

void StationController::SaveOptions() {
  if (ended_) return;
  if (!platform_.files.ReplaceAll(kOptionsFileName, FormatOptionsFile(options_))) {
    ShowMessage(messages::kOptionsNotSaved);
  }
}

void StationController::ApplyOptions(OptionsCaller caller) {
  if (ended_) return;
  if (!ExisteArquivo(kOptionsFileName)) {
    if (caller == OptionsCaller::Button) ShowMessage(messages::kNoOptionsFile);
    return;
  }
  const std::optional<std::string> bytes = platform_.files.ReadText(kOptionsFileName);
  if (caller == OptionsCaller::Button) {
    // A file that cannot be read reads as empty lines: boxes kept, manual text emptied.
    ApplyOptionLines(SplitLines(bytes.value_or("")), *this, ApplyMode::SkipBadLines);
    return;
  }
  if (!bytes) {
    ShowMessage(messages::kOptionsUnreadable);
    return;
  }
  const ApplyOutcome outcome =
      ApplyOptionLines(SplitLines(*bytes), *this, ApplyMode::StopAtBadLine);
  if (outcome.badLine) {
    ShowMessage(std::string(messages::kOptionsBadLine) + std::to_string(*outcome.badLine) +
                messages::kOptionsBadLineTail);
  }
}

// ---- Boxes and texts ---------------------------------------------------------------

void StationController::ClickBox(Box box) {
  SetBox(box, options_.Value(box) == kCleared ? kSet : kCleared);
}

void StationController::SetBox(Box box, std::int16_t value) {
  if (options_.Value(box) == value) return;
  options_.SetValue(box, value);
  view_->BoxChanged(box);
  RunClickRule(box, *this);
}

void StationController::SetManualText(std::string text) {
  if (options_.Text1() == text) return;
  options_.SetText1(std::move(text));
  view_->Text1Changed();
}

void StationController::SetTemperatureDisplay(std::string text) {
  SetLabel(display_.Label3, DisplayField::Label3, std::move(text));
}

void StationController::SetLabel(std::string& field, DisplayField which, std::string text) {
  if (field == text) return;
  field = std::move(text);
  view_->DisplayChanged(which);
}

// ---- Shared steps ------------------------------------------------------------------

bool StationController::StationReceiving() {
  if (state_.Echo->RadioReceiving().value_or(false)) return true;
  return state_.Echo->InternetReceiving().value_or(false);
}

void StationController::PadHoraMinuto() {
  state_.hora = TwoCharacterKey(state_.hora);
  state_.minuto = TwoCharacterKey(state_.minuto);
}

std::optional<std::string> StationController::ReadTemperatureFile() {
  return platform_.files.ReadText(TemperatureFile(platform_.app.path));
}

std::vector<std::string> StationController::SpokenTemperatureKeys() {
  std::vector<std::string> keys = TemperatureKeys(ReadTemperatureFile().value_or(""));
  if (keys.size() > kMostTemperaturesSpoken) keys.resize(kMostTemperaturesSpoken);
  return keys;
}

void StationController::Wait(int milliseconds) {
  if (ended_) return;
  platform_.pause.Sleep(std::chrono::milliseconds(milliseconds));
}

void StationController::RfTransmit(bool on) {
  if (ended_) return;
  rf_.Record(on, state_.Echo->SetRfTransmit(on));
}

void StationController::IpTransmit(bool on) {
  if (ended_) return;
  ip_.Record(on, state_.Echo->SetIpTransmit(on));
}

void StationController::PlayOnRf(const std::string& path) {
  if (ended_) return;
  platform_.sound.Play(path);
}

void StationController::PlayOnIp(const std::string& path) {
  if (ended_) return;
  state_.Echo->PlayAudioFile(path, true);
}

MsgAnswer StationController::ShowMessage(std::string text) {
  return ShowMessage(MessageRequest{std::move(text), platform_.app.title});
}

MsgAnswer StationController::ShowMessage(MessageRequest request) {
  if (ended_) return request.defaultButton;
  ReleaseTransmitters();
  return platform_.messages.Show(request);
}

void StationController::ShowTemperatureFileMissing(const char* text) {
  const bool alreadyOpen = temperatureFileBoxOpen_;
  temperatureFileBoxOpen_ = true;
  ShowMessage(text);
  temperatureFileBoxOpen_ = alreadyOpen;
}

void StationController::ReleaseTransmitters() {
  if (!rf_.confirmedOff) RfTransmit(false);
  if (!ip_.confirmedOff) IpTransmit(false);
}

// A switch still asked on belongs to a send in progress, which releases it itself.
void StationController::RetryUnconfirmedReleases() {
  if (rf_.AwaitsRelease()) RfTransmit(false);
  if (ip_.AwaitsRelease()) IpTransmit(false);
}

}  // namespace quendal
