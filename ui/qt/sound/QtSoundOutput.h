#pragma once

#include <memory>
#include <string>

#include "core/platform/SoundOutput.h"

namespace quendal {

// The sound card, through Qt Multimedia's default audio output.
//
// Create, call and destroy it on the GUI thread, once the QCoreApplication exists. The
// clips are fed to the output from a thread of their own, so a GUI thread that blocks (a
// pause that sleeps, a slow handler) neither delays nor stalls a clip.
//
// - Play returns at once; the start of the clip reaches the sound card some 25 ms later.
// - A new Play cuts off the clip still playing.
// - A path that names no file, or a file that is no uncompressed WAV, plays a short tone
//   in its place, the way the system's default sound stands in, and logs a warning.
// - With no audio output device Play returns false and plays nothing; the first such call
//   logs one warning. Otherwise Play returns true.
// Warnings go to the "quendal.sound" logging category.
class QtSoundOutput final : public SoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;
  QtSoundOutput(const QtSoundOutput&) = delete;
  QtSoundOutput& operator=(const QtSoundOutput&) = delete;

  bool Play(const std::string& path) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quendal
