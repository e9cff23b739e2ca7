// The clip library the build spoke, as the program finds it beside itself, read with the
// reader the sound output uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "clips/WavClip.h"
#include "core/ClipLibrary.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;

TEST(ClipLibrary, holdsEveryClipAsLoudSpeechAndNothingElse) {
  const fs::path root = QUENDAL_CLIP_ROOT;
  const std::vector<std::string> names = LibraryClipNames();
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string file = ReadBytes(root / name);
    // Stricter players refuse a header written before the length was known.
    ASSERT_GE(file.size(), 8u);
    std::uint32_t riffSize = 0;
    std::memcpy(&riffSize, file.data() + 4, 4);  // little-endian, as the machines we build on
    EXPECT_EQ(riffSize + 8u, file.size()) << "RIFF size does not match the file";

    const WavClip clip = ParseWav(file);
    ASSERT_EQ(clip.error, "");
    ASSERT_EQ(clip.sample, WavClip::Sample::kInt16);
    ASSERT_EQ(clip.channels, 1);
    std::vector<std::int16_t> samples(clip.pcm.size() / 2);
    std::memcpy(samples.data(), clip.pcm.data(), 2 * samples.size());
    // "uma hora" takes about half a second; whether each clip fits the pause after it is
    // --check-clips's to say (check_clips_built).
    EXPECT_GT(double(samples.size()) / clip.sampleRate, 0.3);
    const auto peak = std::ranges::max(samples, {}, [](std::int16_t s) { return std::abs(s); });
    EXPECT_GT(std::abs(peak), 3277) << "silent clip (peak under 10% of full scale)";
  }
  const std::set<std::string> expected(names.begin(), names.end());
  for (const char* folder : {"hora", "temperatura"}) {
    for (const auto& entry : fs::directory_iterator(root / folder)) {
      const std::string name = std::string(folder) + "/" + entry.path().filename().string();
      EXPECT_TRUE(expected.count(name)) << "stray file " << name;
    }
  }
}

}  // namespace
}  // namespace quendal::test
