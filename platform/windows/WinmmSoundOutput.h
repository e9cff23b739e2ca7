#pragma once

#include <string>

#include "core/platform/SoundOutput.h"

namespace quendal {

// The sound card through the system's own player. A clip still playing is cut off by the
// next one, and a path that names no file plays the system's default sound, as the
// contract asks. Paths are UTF-8, so clips in any folder name play.
class WinmmSoundOutput final : public SoundOutput {
 public:
  bool Play(const std::string& path) override;
};

// The UTF-16 form of a UTF-8 text for the system's wide calls. Bytes that are not UTF-8
// become U+FFFD, so a bad path still names no file (and plays the default sound) instead
// of some other file.
std::wstring WideFromUtf8(const std::string& utf8);

}  // namespace quendal
