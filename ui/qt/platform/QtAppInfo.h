#pragma once

#include <string>

#include "core/platform/Desktop.h"

namespace quendal {

// The running executable's folder and name, and the program's title. Needs the
// application object. A `folder` given stands for the executable's: the operator's place
// for the clips and the temperature file when the program is installed where they cannot
// write.
AppInfo CurrentAppInfo(const std::string& folder = {});

}  // namespace quendal
