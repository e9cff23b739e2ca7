#include "sim/Timeline.h"

#include <cstdio>

namespace quendal::sim {
namespace {

std::string Escape(std::string_view text, bool escapeNonAscii) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (byte < 0x20 || byte == 0x7F || (escapeNonAscii && byte >= 0x80)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      quoted += hex;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace

void Timeline::Event(std::int64_t atMs, std::string_view event) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%lld.%03lld ", static_cast<long long>(atMs / 1000),
                static_cast<long long>(atMs % 1000));
  out_ << stamp << event << '\n';
}

void Timeline::Detail(std::int64_t atMs, std::string_view event) {
  if (verbose_) Event(atMs, event);
}

std::string Quoted(std::string_view text) { return Escape(text, false); }
std::string QuotedBytes(std::string_view bytes) { return Escape(bytes, true); }

}  // namespace quendal::sim
