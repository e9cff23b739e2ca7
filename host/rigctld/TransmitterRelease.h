#pragma once

#include <sys/socket.h>

// The last line of defence for a transmitter keyed through rigctld: whatever way the
// process ends (normal exit, or SIGTERM, SIGINT, SIGHUP), "T 0" goes to the daemon first.
// Process-wide by nature, since signals are.
namespace quendal::transmitter_release {

// Installs the exit and signal hooks; idempotent.
void Install();
// For a program that gives SIGHUP a meaning of its own (a service re-reads its options):
// the hooks leave it alone, now and when installed later.
void LeaveHangup();

// The transmitter is, or may be, keyed through the daemon at `address`. The release
// always makes a connection of its own: the program's may be gone or half-used by then,
// and PTT belongs to the radio, not to a connection.
void Arm(const sockaddr_storage& address, socklen_t length);
// The transmitter is known to be unkeyed.
void Disarm();

// Sends "T 0" now if armed, from any context, signal handlers included: only
// async-signal-safe calls, each wait bounded. Returns true when the daemon confirmed.
bool ReleaseNow();

}  // namespace quendal::transmitter_release
