#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What a WAV file's header says about the audio in it, read without touching the samples:
// enough to tell whether the sound output can play it and how long it lasts.
namespace quendal {

struct WavInfo {
  enum class Sample { kUInt8, kInt16, kInt32, kFloat32 };

  // Empty when the sound output can play the file; otherwise why not, in Portuguese, for
  // the operator who recorded it.
  std::string error;
  Sample sample = Sample::kInt16;
  int channels = 0;
  int sampleRate = 0;
  int bits = 0;  // per sample as stored: 24-bit samples are 3 bytes in the file
  // The audio bytes, whole frames only, where the file holds them; a size that runs past
  // the end of the file, as a program streaming the file writes it, is cut to what it holds.
  std::size_t dataOffset = 0;
  std::size_t dataLength = 0;

  std::size_t FrameBytes() const { return std::size_t(channels) * std::size_t(bits / 8); }
  // How long the audio plays, to the millisecond below.
  std::chrono::milliseconds Duration() const;
};

// The fastest rate the sound servers the program plays through take (PulseAudio's limit).
inline constexpr std::uint32_t kFastestSampleRate = 384000;

// Integer PCM of 8, 16, 24 or 32 bits and 32-bit float, plain or in the extensible header,
// at up to kFastestSampleRate. Compressed formats are refused; a file with no audio in it
// is not, since its header alone is sound.
WavInfo ReadWavInfo(std::string_view bytes);

}  // namespace quendal
