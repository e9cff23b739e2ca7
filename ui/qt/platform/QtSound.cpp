#include "ui/qt/platform/SoundOutputs.h"
#include "ui/qt/sound/QtSoundOutput.h"

namespace quendal {

std::unique_ptr<SoundOutput> MakeSoundOutput() { return std::make_unique<QtSoundOutput>(); }

}  // namespace quendal
