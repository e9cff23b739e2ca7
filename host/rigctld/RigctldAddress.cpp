#include "host/rigctld/RigctldAddress.h"

#include <charconv>

namespace quendal {

std::optional<RigctldAddress> ParseRigctldAddress(std::string_view text) {
  RigctldAddress address;
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) {
    if (!text.empty()) address.host = std::string(text);
    return address;
  }
  if (colon > 0) address.host = std::string(text.substr(0, colon));
  const std::string_view port = text.substr(colon + 1);
  unsigned value = 0;
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (error != std::errc{} || end != port.data() + port.size() || value == 0 || value > 65535) {
    return std::nullopt;
  }
  address.port = static_cast<std::uint16_t>(value);
  return address;
}

}  // namespace quendal
