// Keys a radio through rigctld, says "keyed PID" on stdout, then either waits for a signal
// ("wait") or returns from main ("exit"): the tests check the radio is unkeyed after.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/rigctld/RigctldHost.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  // Deliberately leaked: the release must not depend on the object being destroyed.
  // A deadline long enough for a test to end the probe while its key request waits.
  auto* host = new quendal::RigctldHost(
      {"127.0.0.1", static_cast<std::uint16_t>(std::atoi(argv[1]))}, std::chrono::seconds(3));
  if (!host->SetRfTransmit(true)) return 1;
  std::printf("keyed %d\n", static_cast<int>(::getpid()));
  std::fflush(stdout);
  if (std::string(argv[2]) == "wait") {
    while (true) ::pause();
  }
  return 0;
}
