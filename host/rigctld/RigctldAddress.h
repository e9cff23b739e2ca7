#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendal {

// Where rigctld listens; hamlib's defaults.
struct RigctldAddress {
  std::string host = "127.0.0.1";
  std::uint16_t port = 4532;
  // Further hosts to try in turn after `host`, as when a name stands for an IPv6 and an
  // IPv4 address.
  std::vector<std::string> alternatives = {};
};

// Parses "HOST:PORT", "HOST" or ":PORT", where HOST may list several hosts separated by
// commas; nullopt when the port is no number from 1 to 65535.
std::optional<RigctldAddress> ParseRigctldAddress(std::string_view text);

// The text ParseRigctldAddress reads back as `address`.
std::string FormatRigctldAddress(const RigctldAddress& address);

// The numeric addresses the hosts stand for, names looked up now. The program does this
// once, at start: a name server that does not answer then delays the start, never a call
// made while the window waits. nullopt when a name is unknown.
std::optional<RigctldAddress> ResolveRigctldAddress(const RigctldAddress& address);

}  // namespace quendal
