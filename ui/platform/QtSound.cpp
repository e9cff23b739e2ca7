#include "ui/platform/SoundOutputs.h"
#include "ui/sound/QtSoundOutput.h"

namespace quendal {

std::unique_ptr<SoundOutput> MakeSoundOutput() { return std::make_unique<QtSoundOutput>(); }

}  // namespace quendal
