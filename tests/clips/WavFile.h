#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Just enough of the WAV format for the tests: check a file's header honestly (sizes
// against the file, rates against each other) and write 16-bit mono test tones.
namespace quendal::test {

struct WavFile {
  std::string error;  // empty when the file is a well-formed WAV
  std::uint16_t format = 0;  // 1 is integer PCM
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint32_t byteRate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint32_t dataBytes = 0;
  std::vector<std::int16_t> samples;  // filled for 16-bit PCM only, channels interleaved

  double Seconds() const { return byteRate == 0 ? 0.0 : double(dataBytes) / byteRate; }
  // Largest magnitude of the samples, as a fraction of full scale.
  double Peak() const;
};

WavFile ReadWav(const std::filesystem::path& path);

// Mono 16-bit PCM. False when the file cannot be written.
bool WriteWav(const std::filesystem::path& path, std::uint32_t sampleRate,
              const std::vector<std::int16_t>& samples);

// A sine tone with 5 ms ramps at both ends, so it starts and stops without clicks.
std::vector<std::int16_t> Tone(std::uint32_t sampleRate, double hertz, double seconds,
                               double amplitude);

}  // namespace quendal::test
