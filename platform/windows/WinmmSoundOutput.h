#pragma once

#include <string>

#include "core/platform/SoundOutput.h"
#include "platform/windows/Utf16.h"

namespace quendal {

// The sound card through the system's own player. A clip still playing is cut off by the
// next one, and a path that names no file plays the system's default sound, as the
// contract asks. Paths are UTF-8, so clips in any folder name play.
class WinmmSoundOutput final : public SoundOutput {
 public:
  bool Play(const std::string& path) override;
};

}  // namespace quendal
