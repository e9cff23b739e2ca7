#pragma once

#include <memory>
#include <string>

#include "guard/GuardedHost.h"

namespace quendal::guard {

// Starts quendal-guard.exe from this executable's folder with `arguments` and this
// process as the parent it watches; nullptr when it could not be started.
std::shared_ptr<GuardLine> StartGuard(const std::wstring& arguments);

}  // namespace quendal::guard
