#pragma once

#include "core/platform/Desktop.h"

namespace quendal {

// The running executable's folder and name, and the program's title. Needs the
// application object.
AppInfo CurrentAppInfo();

}  // namespace quendal
