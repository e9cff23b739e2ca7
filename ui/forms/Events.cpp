#include "ui/forms/Events.h"

#include <algorithm>

#include "core/StationController.h"

namespace quendal::forms {
namespace {

template <void (StationController::*handler)()>
void Call(StationController& controller) {
  (controller.*handler)();
}

template <Box box>
void ClickBox(StationController& controller) {
  controller.ClickBox(box);
}

void TypeText1(StationController& controller, std::string typed) {
  controller.TypeText1(std::move(typed));
}

using C = StationController;

// clang-format off
constexpr ClickHandler kClickHandlers[] = {
  {"Check1", &ClickBox<Box::Check1>},
  {"Check2", &ClickBox<Box::Check2>},
  {"Check3", &ClickBox<Box::Check3>},
  {"Check4", &ClickBox<Box::Check4>},
  {"Check5", &ClickBox<Box::Check5>},
  {"Check6", &ClickBox<Box::Check6>},
  {"Check7", &ClickBox<Box::Check7>},
  {"hora_rf", &Call<&C::hora_rf_Click>},
  {"hora_ip", &Call<&C::hora_ip_Click>},
  {"Command2", &Call<&C::Command2_Click>},  // "Envia Temperatura"
  {"Command5", &Call<&C::Command5_Click>},  // "Grava opções"
  {"Command6", &Call<&C::Command6_Click>},  // "Lê as opções"
  {"Command3", &Call<&C::Command3_Click>},  // "Sobre"
  {"Command4", &Call<&C::Command4_Click>},  // "Ajuda"
  {"Command1", &Call<&C::Command1_Click>},  // "Encerrar"
};

constexpr TypingHandler kTypingHandlers[] = {
  {"Text1", &TypeText1},
};

constexpr void (C::*kTimers[])() = {&C::Timer1_Timer, &C::Timer2_Timer, &C::RefreshLights};
// clang-format on

}  // namespace

const std::span<const ClickHandler> kClicks = kClickHandlers;
const std::span<const TypingHandler> kTyping = kTypingHandlers;

const ClickHandler* FindClick(std::string_view control) {
  const auto found = std::find_if(kClicks.begin(), kClicks.end(), [control](const ClickHandler& h) {
    return h.control == control;
  });
  return found == kClicks.end() ? nullptr : &*found;
}

void Tick(StationController& controller) {
  for (void (C::*timer)() : kTimers) {
    if (controller.HasEnded()) return;
    (controller.*timer)();
  }
}

}  // namespace quendal::forms
