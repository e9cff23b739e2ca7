#include "onair/OnAirEvents.h"

#include <algorithm>
#include <cstdio>

#include "core/ClipLibrary.h"

namespace quendal::onair {
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

const char* BoolText(bool value) { return value ? "True" : "False"; }
const char* Failed(bool taken) { return taken ? "" : " failed"; }

}  // namespace

std::string TransmitEvent(std::string_view member, bool on, bool taken) {
  return std::string(member) + " " + BoolText(on) + Failed(taken);
}

std::string PlaySoundEvent(std::string_view path, bool present, bool started) {
  return "PlaySound " + std::string(path) + (present ? "" : " missing") + Failed(started);
}

std::string PlayAudioFileEvent(std::string_view path, bool flag, bool taken) {
  return "PlayAudioFile " + std::string(path) + " " + BoolText(flag) + Failed(taken);
}

std::string MsgBoxEvent(const MessageRequest& request) {
  return "MsgBox " + Quoted(request.text) + " " + Quoted(request.title);
}

std::string HostLinkEvent(bool reachable) { return reachable ? "Host back" : "Host gone"; }

std::string MsgBoxClosedEvent(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::Yes:
      return "MsgBoxClosed Yes";
    case MsgAnswer::No:
      return "MsgBoxClosed No";
    case MsgAnswer::Ok:
      break;
  }
  return "MsgBoxClosed OK";
}

std::string RelativePath(std::string_view folder, std::string_view path) {
  std::string prefix(folder);
  prefix += kSeparator;
  std::string relative(path.starts_with(prefix) ? path.substr(prefix.size()) : path);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return relative;
}

std::string Quoted(std::string_view text) { return Escape(text, false); }
std::string QuotedBytes(std::string_view bytes) { return Escape(bytes, true); }

}  // namespace quendal::onair
