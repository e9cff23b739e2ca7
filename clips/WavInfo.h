#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "clips/WavClip.h"

namespace quendal {

// What a WAV file's header says: its format, and how long its sound plays.
struct WavInfo {
  std::string error;  // empty when the file could be read; then the fields below hold
  WavClip::Sample sample = WavClip::Sample::kInt16;
  int channels = 0;
  int sampleRate = 0;
  std::chrono::milliseconds length{0};
};

// The header of the WAV file in `bytes`, read as ParseWav reads it.
WavInfo ReadWavInfo(std::string_view bytes);
// The same for a file; one that cannot be opened says so in `error`.
WavInfo ReadWavFile(const std::filesystem::path& file);

}  // namespace quendal
