#include "clips/WavClip.h"

#include <cstdint>
#include <limits>

namespace quendal {
namespace {

std::uint32_t Le32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint16_t Le16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xfffe;

WavClip Refuse(std::string why) {
  WavClip clip;
  clip.error = std::move(why);
  return clip;
}

}  // namespace

WavClip ParseWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return Refuse("not a WAV file");
  }
  std::uint16_t format = 0;
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t bits = 0;
  bool haveFormat = false;
  std::string_view data;
  bool haveData = false;
  for (std::size_t at = 12; at + 8 <= bytes.size() && !haveData;) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t body = at + 8;
    const std::size_t size = std::min<std::size_t>(Le32(bytes, at + 4), bytes.size() - body);
    if (id == "fmt ") {
      if (size < 16) return Refuse("format chunk too short");
      format = Le16(bytes, body);
      channels = Le16(bytes, body + 2);
      rate = Le32(bytes, body + 4);
      bits = Le16(bytes, body + 14);
      if (format == kExtensible) {
        if (size < 26) return Refuse("extensible format chunk too short");
        format = Le16(bytes, body + 24);  // the first two bytes of the sub-format GUID
      }
      haveFormat = true;
    } else if (id == "data") {
      data = bytes.substr(body, size);
      haveData = true;
    }
    at = body + size + (size % 2);  // chunks are padded to even lengths
  }
  if (!haveFormat) return Refuse("no format chunk");
  if (!haveData) return Refuse("no data chunk");
  if (channels == 0 || rate == 0) return Refuse("no channels or no sample rate");
  if (rate > std::uint32_t{std::numeric_limits<int>::max()}) return Refuse("sample rate too high");

  WavClip clip;
  clip.channels = channels;
  clip.sampleRate = static_cast<int>(rate);
  if (format == kPcm && bits == 8) {
    clip.sample = WavClip::Sample::kUInt8;
  } else if (format == kPcm && bits == 16) {
    clip.sample = WavClip::Sample::kInt16;
  } else if (format == kPcm && (bits == 24 || bits == 32)) {
    clip.sample = WavClip::Sample::kInt32;
  } else if (format == kFloat && bits == 32) {
    clip.sample = WavClip::Sample::kFloat32;
  } else {
    return Refuse("unsupported sample format " + std::to_string(format) + " with " +
                  std::to_string(bits) + " bits");
  }
  const std::size_t frameBytes = std::size_t(channels) * (bits / 8);
  data = data.substr(0, data.size() - data.size() % frameBytes);
  if (data.empty()) return Refuse("no audio data");
  if (bits != 24) {
    clip.pcm.assign(data);
    return clip;
  }
  // Outputs take 24-bit samples only in 32-bit containers: the sample goes in the top bytes.
  clip.pcm.reserve(data.size() / 3 * 4);
  for (std::size_t i = 0; i < data.size(); i += 3) {
    clip.pcm += '\0';
    clip.pcm.append(data.substr(i, 3));
  }
  return clip;
}

}  // namespace quendal
