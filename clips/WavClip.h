#pragma once

#include <string>
#include <string_view>

#include "clips/WavInfo.h"

// The audio inside a WAV file, ready to hand to an audio output as it is. Used for the
// clips and any recording a user puts in their place.
namespace quendal {

struct WavClip {
  using Sample = WavInfo::Sample;

  std::string error;  // empty when the file could be read; then the fields below hold
  Sample sample = Sample::kInt16;
  int channels = 0;
  int sampleRate = 0;
  std::string pcm;  // interleaved frames; 24-bit input is widened to 32-bit
};

// The files ReadWavInfo accepts, with at least one frame of audio.
WavClip ParseWav(std::string_view bytes);

}  // namespace quendal
