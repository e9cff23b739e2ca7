#pragma once

// WAV files built byte by byte, as a recorder would write them.
#include <cstdint>
#include <string>

namespace quendal::test {

inline std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
  return out;
}

// An odd-sized chunk is padded to an even size.
inline std::string Chunk(const std::string& id, const std::string& body) {
  return id + Le(std::uint32_t(body.size()), 4) + body + std::string(body.size() % 2, '\0');
}

inline std::string Fmt(int format, int channels, std::uint32_t rate, int bits) {
  const int align = channels * bits / 8;
  return Chunk("fmt ", Le(format, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) +
                           Le(align, 2) + Le(bits, 2));
}

inline std::string Riff(const std::string& chunks) {
  return "RIFF" + Le(std::uint32_t(4 + chunks.size()), 4) + "WAVE" + chunks;
}

}  // namespace quendal::test
