#include "platform/windows/WinmmSoundOutput.h"

#include <climits>

// mmsystem.h needs the types windows.h declares, so it comes after it.
#include <windows.h>

#include <mmsystem.h>

namespace quendal {

std::wstring WideFromUtf8(const std::string& utf8) {
  if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length) != length) return {};
  return wide;
}

bool WinmmSoundOutput::Play(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  // No SND_NODEFAULT: a missing clip is heard as the default sound. No SND_NOSTOP: a new
  // clip replaces the one still playing.
  return PlaySoundW(wide.c_str(), nullptr, SND_ASYNC | SND_FILENAME) != FALSE;
}

}  // namespace quendal
