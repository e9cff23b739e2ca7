#include "host/rigctld/RigctldAddress.h"

#include <algorithm>
#include <charconv>

#include <netdb.h>
#include <sys/socket.h>

namespace quendal {
namespace {

std::vector<std::string> Hosts(const RigctldAddress& address) {
  std::vector<std::string> hosts{address.host};
  hosts.insert(hosts.end(), address.alternatives.begin(), address.alternatives.end());
  return hosts;
}

// Adds the numeric forms of `host` to `found`, each once; false when the name is unknown.
bool AddNumericHosts(const std::string& host, std::uint16_t port, std::vector<std::string>& found) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* results = nullptr;
  const std::string service = std::to_string(port);
  if (::getaddrinfo(host.c_str(), service.c_str(), &hints, &results) != 0) return false;
  for (const addrinfo* result = results; result != nullptr; result = result->ai_next) {
    char numeric[NI_MAXHOST];
    if (::getnameinfo(result->ai_addr, result->ai_addrlen, numeric, sizeof numeric, nullptr, 0,
                      NI_NUMERICHOST) != 0) {
      continue;
    }
    if (std::find(found.begin(), found.end(), numeric) == found.end()) found.push_back(numeric);
  }
  ::freeaddrinfo(results);
  return true;
}

}  // namespace

std::optional<RigctldAddress> ParseRigctldAddress(std::string_view text) {
  RigctldAddress address;
  const std::size_t colon = text.rfind(':');
  const std::string_view hosts = text.substr(0, colon);
  if (!hosts.empty()) {
    address.host.clear();
    for (std::size_t start = 0; start <= hosts.size();) {
      const std::size_t comma = std::min(hosts.find(',', start), hosts.size());
      const std::string host(hosts.substr(start, comma - start));
      if (address.host.empty()) {
        address.host = host;
      } else {
        address.alternatives.push_back(host);
      }
      start = comma + 1;
    }
  }
  if (colon == std::string_view::npos) return address;
  const std::string_view port = text.substr(colon + 1);
  unsigned value = 0;
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (error != std::errc{} || end != port.data() + port.size() || value == 0 || value > 65535) {
    return std::nullopt;
  }
  address.port = static_cast<std::uint16_t>(value);
  return address;
}

std::string FormatRigctldAddress(const RigctldAddress& address) {
  std::string text = address.host;
  for (const std::string& host : address.alternatives) text += "," + host;
  return text + ":" + std::to_string(address.port);
}

std::optional<RigctldAddress> ResolveRigctldAddress(const RigctldAddress& address) {
  std::vector<std::string> numeric;
  for (const std::string& host : Hosts(address)) {
    if (!AddNumericHosts(host, address.port, numeric)) return std::nullopt;
  }
  if (numeric.empty()) return std::nullopt;
  RigctldAddress resolved{numeric.front(), address.port};
  resolved.alternatives.assign(numeric.begin() + 1, numeric.end());
  return resolved;
}

}  // namespace quendal
