#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quendal::test {

// A sine tone with 5 ms ramps at both ends, so it starts and stops without clicks.
std::vector<std::int16_t> Tone(std::uint32_t sampleRate, double hertz, double seconds,
                               double amplitude);

// Mono 16-bit PCM. False when the file cannot be written.
bool WriteWav(const std::filesystem::path& path, std::uint32_t sampleRate,
              const std::vector<std::int16_t>& samples);

}  // namespace quendal::test
