#pragma once

#include <optional>

// What the program tells its transmitter guard, one byte per event over the channel
// between them. A byte the guard does not know is ignored, so an older guard keeps
// working beside a newer program.
namespace quendal::guard {

enum class Switch { Rf, Ip };

struct Event {
  enum class Kind { Keying, Released } kind;
  Switch which;
};

// Keying is told before the request goes to the host, so a program that dies while the
// request is in flight still leaves the guard a keyed transmitter to release; Released
// only once the host has confirmed the switch off.
inline char Encode(Event event) {
  const bool rf = event.which == Switch::Rf;
  return event.kind == Event::Kind::Keying ? (rf ? 'R' : 'I') : (rf ? 'r' : 'i');
}

inline std::optional<Event> Decode(char byte) {
  switch (byte) {
    case 'R':
      return Event{Event::Kind::Keying, Switch::Rf};
    case 'r':
      return Event{Event::Kind::Released, Switch::Rf};
    case 'I':
      return Event{Event::Kind::Keying, Switch::Ip};
    case 'i':
      return Event{Event::Kind::Released, Switch::Ip};
    default:
      return std::nullopt;
  }
}

}  // namespace quendal::guard
