// Reads the clip library the build spoke, as the program will find it beside itself, with
// the reader the sound output uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "clips/WavClip.h"
#include "core/ClipLibrary.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = QUENDAL_CLIP_ROOT;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

// On the air a clip is cut off by the next one: 2 s follow a minute clip, 3 s the others.
double PauseAfter(const std::string& name) { return name.rfind("hora/min", 0) == 0 ? 2.0 : 3.0; }

TEST(ClipLibrary, holdsEveryClipAsPlayableSpeechShorterThanThePauseAfterIt) {
  for (const std::string& name : LibraryClipNames()) {
    SCOPED_TRACE(name);
    const std::string file = Read(kRoot / name);
    // Other players are stricter than ours: a header written before the length was known
    // (a streamed file) must not slip through.
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(Le(file, 4, 4) + 8u, file.size()) << "RIFF size does not match the file";

    const WavClip clip = ParseWav(file);
    ASSERT_EQ(clip.error, "");
    ASSERT_EQ(clip.sample, WavClip::Sample::kInt16);
    ASSERT_EQ(clip.channels, 1);
    const std::size_t count = clip.pcm.size() / 2;
    const double seconds = double(count) / clip.sampleRate;
    // The shortest clip, "uma hora", takes about half a second; much less is a broken voice.
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, PauseAfter(name));
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const auto sample = static_cast<std::int16_t>(Le(clip.pcm, 2 * i, 2));
      peak = std::max(peak, std::abs(int(sample)));
    }
    EXPECT_GT(peak, 3277) << "silent clip (peak under 10% of full scale)";
  }
}

TEST(ClipLibrary, holdsNothingButTheClips) {
  const auto names = LibraryClipNames();
  const std::set<std::string> expected(names.begin(), names.end());
  for (const char* folder : {"hora", "temperatura"}) {
    for (const auto& entry : fs::directory_iterator(kRoot / folder)) {
      const std::string name = std::string(folder) + "/" + entry.path().filename().string();
      EXPECT_TRUE(expected.count(name)) << "stray file " << name;
    }
  }
}

}  // namespace
}  // namespace quendal
