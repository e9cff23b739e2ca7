#include "guard/GuardedHostFactory.h"

#include <cstdio>

namespace quendal::guard {

std::shared_ptr<HostObject> GuardedHostFactory::Create() {
  if (IsSimulated(choice_)) return chosen_.Create();
  std::shared_ptr<GuardLine> guard = LaunchGuard(choice_);
  if (!guard) {
    std::fputs(
        "quendal: the transmitter guard did not start: a crash may leave the "
        "transmitter keyed\n",
        stderr);
  }
  std::shared_ptr<HostObject> link = chosen_.Create();
  if (!link || !guard) return link;
  return std::make_shared<GuardedHost>(std::move(link), std::move(guard));
}

}  // namespace quendal::guard
