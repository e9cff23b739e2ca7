#include "platform/windows/WinmmSoundOutput.h"

// mmsystem.h needs the types windows.h declares, so it comes after it.
#include <windows.h>

#include <mmsystem.h>

namespace quendal {

bool WinmmSoundOutput::Play(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  // No SND_NODEFAULT: a missing clip is heard as the default sound. No SND_NOSTOP: a new
  // clip replaces the one still playing.
  return PlaySoundW(wide.c_str(), nullptr, SND_ASYNC | SND_FILENAME) != FALSE;
}

}  // namespace quendal
