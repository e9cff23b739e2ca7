#pragma once

#include <string>

namespace quendal {

// The sound card. Play starts the file and returns at once; a new clip cuts off the one
// still playing; a path that names no file plays the system's default sound instead.
// Returns false when nothing could be started; callers go on either way.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual bool Play(const std::string& path) = 0;
};

}  // namespace quendal
