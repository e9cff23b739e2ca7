#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "options/ClickRules.h"
#include "options/OptionControls.h"
#include "options/OptionSet.h"

namespace quendal::fakes {

// Option controls held in memory. With `runClickRules` set it behaves like the controller:
// a box whose value changes runs its click rule, which may write further boxes through
// here. Every write and request is logged so tests can see what a step caused.
class FakeOptionControls final : public OptionControls {
 public:
  explicit FakeOptionControls(bool runClickRules = false) : runClickRules_(runClickRules) {}

  std::int16_t Value(Box box) const override { return options.Value(box); }

  void SetValue(Box box, std::int16_t value) override {
    log.push_back(std::string("set ") + BoxName(box) + "=" + std::to_string(value));
    const bool changed = options.Value(box) != value;
    options.SetValue(box, value);
    if (changed && runClickRules_) RunClickRule(box, *this);
  }

  void SetManualText(std::string text) override {
    log.push_back("manual text '" + text + "'");
    options.SetText1(std::move(text));
  }

  void SetTemperatureDisplay(std::string text) override {
    log.push_back("temperature display '" + text + "'");
    temperatureDisplay = std::move(text);
  }

  void RunSchedulerTick() override {
    log.push_back("tick");
    ++ticks;
  }

  void Repaint() override {
    log.push_back("repaint");
    ++repaints;
  }

  // Sets boxes without running rules or logging, to arrange a starting state.
  void Arrange(std::initializer_list<std::pair<Box, std::int16_t>> values) {
    for (const auto& [box, value] : values) options.SetValue(box, value);
  }

  OptionSet options;
  std::optional<std::string> temperatureDisplay;
  int ticks = 0;
  int repaints = 0;
  std::vector<std::string> log;

 private:
  bool runClickRules_;
};

}  // namespace quendal::fakes
