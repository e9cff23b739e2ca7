#include "tests/clips/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>

namespace quendal::test {
namespace {

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

std::uint16_t Le16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

void Put32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
}

void Put16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xff);
  out += static_cast<char>(value >> 8);
}

}  // namespace

double WavFile::Peak() const {
  int peak = 0;
  for (std::int16_t sample : samples) peak = std::max(peak, std::abs(int(sample)));
  return peak / 32768.0;
}

WavFile ReadWav(const std::filesystem::path& path) {
  WavFile wav;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    wav.error = "cannot open";
    return wav;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    wav.error = "not a RIFF/WAVE file";
    return wav;
  }
  // A header written before the length was known (a stream) claims a size the file lacks.
  if (std::uint64_t(Le32(bytes, 4)) + 8 != bytes.size()) {
    wav.error = "RIFF size " + std::to_string(Le32(bytes, 4)) + " does not match the file";
    return wav;
  }
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::uint32_t size = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (std::uint64_t(body) + size > bytes.size()) {
      wav.error = "chunk '" + id + "' runs past the end of the file";
      return wav;
    }
    if (id == "fmt ") {
      if (size < 16) {
        wav.error = "fmt chunk too short";
        return wav;
      }
      wav.format = Le16(bytes, body);
      wav.channels = Le16(bytes, body + 2);
      wav.sampleRate = Le32(bytes, body + 4);
      wav.byteRate = Le32(bytes, body + 8);
      wav.blockAlign = Le16(bytes, body + 12);
      wav.bitsPerSample = Le16(bytes, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        wav.error = "data chunk before fmt chunk";
        return wav;
      }
      wav.dataBytes = size;
      if (wav.format == 1 && wav.bitsPerSample == 16) {
        wav.samples.resize(size / 2);
        for (std::size_t i = 0; i < wav.samples.size(); ++i) {
          wav.samples[i] = static_cast<std::int16_t>(Le16(bytes, body + 2 * i));
        }
      }
      break;
    }
    at = body + size + (size % 2);  // chunks are padded to even lengths
  }
  if (!haveFormat) {
    wav.error = "no fmt chunk";
  } else if (wav.channels == 0 || wav.blockAlign != wav.channels * wav.bitsPerSample / 8 ||
             wav.byteRate != wav.sampleRate * wav.blockAlign) {
    wav.error = "inconsistent fmt chunk";
  } else if (wav.dataBytes == 0) {
    wav.error = "no audio data";
  }
  return wav;
}

bool WriteWav(const std::filesystem::path& path, std::uint32_t sampleRate,
              const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, sampleRate);
  Put32(out, sampleRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, dataBytes);
  for (std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << out;
  file.close();
  return bool(file);
}

std::vector<std::int16_t> Tone(std::uint32_t sampleRate, double hertz, double seconds,
                               double amplitude) {
  const auto count = static_cast<std::size_t>(seconds * sampleRate);
  const double ramp = 0.005 * sampleRate;
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double edge =
        std::min({1.0, static_cast<double>(i + 1) / ramp, static_cast<double>(count - i) / ramp});
    samples[i] = static_cast<std::int16_t>(
        std::lround(32767 * amplitude * edge * std::sin(2 * std::numbers::pi * hertz * static_cast<double>(i) / sampleRate)));
  }
  return samples;
}

}  // namespace quendal::test
