#pragma once

#include <string>
#include <string_view>

// The audio inside a WAV file, ready to hand to an audio output as it is. Used for the
// clips and any recording a user puts in their place.
namespace quendal {

struct WavClip {
  enum class Sample { kUInt8, kInt16, kInt32, kFloat32 };

  std::string error;  // empty when the file could be read; then the fields below hold
  Sample sample = Sample::kInt16;
  int channels = 0;
  int sampleRate = 0;
  std::string pcm;  // interleaved frames; 24-bit input is widened to 32-bit
};

// Integer PCM of 8, 16, 24 or 32 bits and 32-bit float, plain or in the extensible
// header. Compressed formats are refused. A size that runs past the end of the file, as a
// program streaming the file writes it, is cut to what the file holds.
WavClip ParseWav(std::string_view bytes);

}  // namespace quendal
