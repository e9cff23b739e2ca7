#pragma once

#include <memory>

#include "core/platform/SoundOutput.h"

namespace quendal {

// The sound card of this build: the Qt sound adapter when it is built in, otherwise a
// stand-in that plays nothing and says so through its result.
std::unique_ptr<SoundOutput> MakeSoundOutput();

}  // namespace quendal
