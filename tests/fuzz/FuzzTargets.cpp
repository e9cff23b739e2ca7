// The parsers that take outside input, fed arbitrary bytes: each build of this file is one
// libFuzzer target, picked by QUENDAL_FUZZ_TARGET. Beyond not crashing, each checks what
// its parser promises, so a wrong value is caught as well as a crash.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "clips/WavClip.h"
#include "core/TextRules.h"
#include "options/OptionsFile.h"
#include "sim/Scenario.h"
#include "tests/support/Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace quendal;
  constexpr std::string_view kTarget = QUENDAL_FUZZ_TARGET;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  bool kept = true;
  if constexpr (kTarget == "options_lines") {
    test::FakeOptionControls controls;
    ApplyOptionLines(SplitLines(bytes), controls, ApplyMode::SkipBadLines);
    for (const Box box : kFileOrder) kept = kept && unsigned(controls.Value(box)) <= 2;
  } else if constexpr (kTarget == "temperature_lines") {
    for (const std::string& key : TemperatureKeys(bytes)) kept = kept && key.size() == 2;
  } else if constexpr (kTarget == "scenario") {
    const auto parsed = sim::ParseScenario(bytes);
    if (const auto* scenario = std::get_if<sim::Scenario>(&parsed)) {
      const sim::StartTime& t = scenario->start;
      kept = unsigned(t.month - 1) < 12 && unsigned(t.day - 1) < 31 && unsigned(t.hour) < 24 &&
             unsigned(t.minute) < 60 && unsigned(t.second) < 60 && unsigned(t.millisecond) < 1000;
    }
  } else if constexpr (kTarget == "wav_header") {
    const WavClip clip = ParseWav(bytes);
    kept = !clip.error.empty() || (clip.sampleRate > 0 && clip.channels > 0 && !clip.pcm.empty());
  }
  if (!kept) std::abort();
  return 0;
}

#ifndef QUENDAL_FUZZING
// Without libFuzzer: each file of the folder named on the command line goes to the harness,
// so the ordinary build replays the checked-in corpus as a test.
int main(int, char** argv) {
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    std::ostringstream bytes;
    bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    const std::string input = bytes.str();
    LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char*>(input.data()), input.size());
  }
}
#endif
