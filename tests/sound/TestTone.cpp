#include "tests/sound/TestTone.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace quendal::test {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
}

}  // namespace

std::vector<std::int16_t> Tone(std::uint32_t sampleRate, double hertz, double seconds,
                               double amplitude) {
  const auto count = static_cast<std::size_t>(seconds * sampleRate);
  const double ramp = 0.005 * sampleRate;
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double edge =
        std::min({1.0, static_cast<double>(i + 1) / ramp, static_cast<double>(count - i) / ramp});
    const double phase = 2 * std::numbers::pi * hertz * static_cast<double>(i) / sampleRate;
    samples[i] = static_cast<std::int16_t>(std::lround(32767 * amplitude * edge * std::sin(phase)));
  }
  return samples;
}

bool WriteWav(const std::filesystem::path& path, std::uint32_t sampleRate,
              const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  Put(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, sampleRate, 4);
  Put(out, sampleRate * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out += "data";
  Put(out, dataBytes, 4);
  for (std::int16_t sample : samples) Put(out, static_cast<std::uint16_t>(sample), 2);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << out;
  file.close();
  return bool(file);
}

}  // namespace quendal::test
