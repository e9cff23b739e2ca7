#pragma once

#include <functional>
#include <string>
#include <vector>

// The operator's look at the clip library before going on the air: every clip the program
// can ask for, read as the sound output reads it and measured against the pause it has.
namespace quendal {

struct ClipFile {
  enum class State { kMissing, kUnreadable, kTooBig, kRead };
  State state = State::kMissing;
  std::string bytes;  // the whole file when kRead
};

// Reads one clip by its name in the library ("hora/hrs07.wav"). Never throws.
using ReadClipFile = std::function<ClipFile(const std::string& name)>;

// Bigger than any clip: a 3 s clip at 384 kHz, 32-bit, in stereo takes 9 MiB.
inline constexpr std::size_t kLargestClip = std::size_t{64} << 20;

struct ClipCheckReport {
  std::size_t clips = 0;            // how many clips were looked at
  std::vector<std::string> faults;  // one line each, in Portuguese, naming the file

  // The fault lines, then the count, each line ending in '\n'.
  std::string Text() const;
  // 0 when nothing is wrong, 1 otherwise.
  int ExitCode() const { return faults.empty() ? 0 : 1; }
};

ClipCheckReport CheckClipLibrary(const ReadClipFile& read);

}  // namespace quendal
