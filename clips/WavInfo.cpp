#include "clips/WavInfo.h"

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

WavInfo Refuse(std::string why) {
  WavInfo info;
  info.error = std::move(why);
  return info;
}

struct Header {
  std::uint16_t format = 0;
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t bits = 0;
  bool haveFormat = false;
  bool haveData = false;
  std::size_t dataOffset = 0;
  std::size_t dataLength = 0;
};

// The chunks up to the audio; "" or why the header cannot be read.
std::string ReadChunks(std::string_view bytes, Header& header) {
  for (std::size_t at = 12; at + 8 <= bytes.size() && !header.haveData;) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t body = at + 8;
    const std::size_t size = std::min<std::size_t>(Le32(bytes, at + 4), bytes.size() - body);
    if (id == "fmt ") {
      if (size < 16) return "cabeçalho de formato curto demais";
      header.format = Le16(bytes, body);
      header.channels = Le16(bytes, body + 2);
      header.rate = Le32(bytes, body + 4);
      header.bits = Le16(bytes, body + 14);
      if (header.format == kExtensible) {
        if (size < 26) return "cabeçalho de formato estendido curto demais";
        header.format = Le16(bytes, body + 24);  // the first two bytes of the sub-format GUID
      }
      header.haveFormat = true;
    } else if (id == "data") {
      header.dataOffset = body;
      header.dataLength = size;
      header.haveData = true;
    }
    at = body + size + (size % 2);  // chunks are padded to even lengths
  }
  if (!header.haveFormat) return "sem cabeçalho de formato";
  if (!header.haveData) return "sem bloco de dados";
  return {};
}

}  // namespace

std::chrono::milliseconds WavInfo::Duration() const {
  if (FrameBytes() == 0 || sampleRate <= 0) return {};
  const auto frames = static_cast<long long>(dataLength / FrameBytes());
  return std::chrono::milliseconds(frames * 1000 / sampleRate);
}

WavInfo ReadWavInfo(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return Refuse("não é um arquivo WAV");
  }
  Header header;
  if (std::string why = ReadChunks(bytes, header); !why.empty()) return Refuse(std::move(why));
  if (header.channels == 0 || header.rate == 0)
    return Refuse("sem canais ou sem taxa de amostragem");
  if (header.rate > kFastestSampleRate) {
    return Refuse("taxa de amostragem de " + std::to_string(header.rate) + " Hz, acima de " +
                  std::to_string(kFastestSampleRate) + " Hz");
  }

  WavInfo info;
  const std::uint16_t format = header.format;
  const std::uint16_t bits = header.bits;
  if (format == kPcm && bits == 8) {
    info.sample = WavInfo::Sample::kUInt8;
  } else if (format == kPcm && bits == 16) {
    info.sample = WavInfo::Sample::kInt16;
  } else if (format == kPcm && (bits == 24 || bits == 32)) {
    info.sample = WavInfo::Sample::kInt32;
  } else if (format == kFloat && bits == 32) {
    info.sample = WavInfo::Sample::kFloat32;
  } else {
    return Refuse("formato de amostra " + std::to_string(format) + " com " + std::to_string(bits) +
                  " bits, que o som não toca");
  }
  info.channels = header.channels;
  info.sampleRate = static_cast<int>(header.rate);
  info.bits = bits;
  info.dataOffset = header.dataOffset;
  info.dataLength = header.dataLength - header.dataLength % info.FrameBytes();
  return info;
}

}  // namespace quendal
