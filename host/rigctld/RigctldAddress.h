#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendal {

// Where rigctld listens; hamlib's defaults.
struct RigctldAddress {
  std::string host = "127.0.0.1";
  std::uint16_t port = 4532;
};

// Parses "HOST:PORT", "HOST" or ":PORT"; nullopt when the port is no number from 1 to 65535.
std::optional<RigctldAddress> ParseRigctldAddress(std::string_view text);

}  // namespace quendal
