// Reads the clip library the build spoke, as the program will find it beside itself, with
// the reader the sound output uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "clips/WavClip.h"
#include "core/ClipLibrary.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = QUENDAL_CLIP_ROOT;

TEST(ClipLibrary, holdsEveryClipAsPlayableSpeechShorterThanThePauseAfterItAndNothingElse) {
  const std::vector<std::string> names = LibraryClipNames();
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::ifstream in(kRoot / name, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), {}};
    // Other players are stricter than ours: a header written before the length was known
    // (a streamed file) must not slip through.
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
    const double seconds = double(samples.size()) / clip.sampleRate;
    // The shortest clip, "uma hora", takes about half a second; much less is a broken voice.
    // On the air a clip is cut off by the next one: 2 s follow a minute clip, 3 s the others.
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, name.starts_with("hora/min") ? 2.0 : 3.0);
    const auto peak = std::ranges::max(samples, {}, [](std::int16_t s) { return std::abs(s); });
    EXPECT_GT(std::abs(peak), 3277) << "silent clip (peak under 10% of full scale)";
  }
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
