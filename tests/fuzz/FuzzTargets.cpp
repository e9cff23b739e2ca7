// The parsers that take outside input, fed arbitrary bytes: each build of this file is one
// libFuzzer target, picked by QUENDAL_FUZZ_TARGET. Beyond not crashing, each checks what
// its parser promises, so a wrong value is caught as well as a crash.

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "clips/WavClip.h"
#include "core/TextRules.h"
#include "options/OptionsFile.h"
#include "sim/Scenario.h"
#include "support/FakeOptionControls.h"

namespace {

constexpr std::string_view kTarget = QUENDAL_FUZZ_TARGET;

void Require(bool promise) {
  if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quendal;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if constexpr (kTarget == "options_lines") {
    for (const ApplyMode mode : {ApplyMode::SkipBadLines, ApplyMode::StopAtBadLine}) {
      fakes::FakeOptionControls controls(/*runClickRules=*/true);
      ApplyOptionLines(SplitLines(bytes), controls, mode);
      for (const Box box : kFileOrder)
        Require(controls.Value(box) >= 0 && controls.Value(box) <= 2);
    }
  } else if constexpr (kTarget == "temperature_lines") {
    for (const std::string& key : TemperatureKeys(bytes)) Require(key.size() == 2);
  } else if constexpr (kTarget == "scenario") {
    const auto parsed = sim::ParseScenario(bytes);
    if (const auto* scenario = std::get_if<sim::Scenario>(&parsed)) {
      const sim::StartTime& t = scenario->start;
      Require(t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 &&
              t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59 &&
              t.millisecond >= 0 && t.millisecond <= 999);
    }
  } else if constexpr (kTarget == "wav_header") {
    const WavClip clip = ParseWav(bytes);
    Require(!clip.error.empty() || (clip.sampleRate > 0 && clip.channels > 0 && !clip.pcm.empty()));
  }
  return 0;
}
