#pragma once

#include <string>

#include "core/ClipCheck.h"

namespace quendal {

// `quendal --check-clips`: the clip library in `folder` (UTF-8, the program's folder or the
// one --folder names), as the program would play it.
ClipCheckReport CheckClipFolder(const std::string& folder);

}  // namespace quendal
