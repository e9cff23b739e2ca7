// Reads the clip library the build spoke, as the program will find it beside itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/ClipLibrary.h"
#include "tests/clips/WavFile.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = QUENDAL_CLIP_ROOT;

// On the air a clip is cut off by the next one: 2 s follow a minute clip, 3 s the others.
double PauseAfter(const std::string& name) {
  return name.rfind("hora/min", 0) == 0 ? 2.0 : 3.0;
}

TEST(ClipLibrary, holdsEveryClipAsPlayableSpeechShorterThanThePauseAfterIt) {
  for (const std::string& name : LibraryClipNames()) {
    SCOPED_TRACE(name);
    const test::WavFile wav = test::ReadWav(kRoot / name);
    ASSERT_EQ(wav.error, "");
    EXPECT_EQ(wav.format, 1) << "integer PCM";
    EXPECT_EQ(wav.bitsPerSample, 16);
    // The shortest clip, "uma hora", takes about half a second; much less is a broken voice.
    EXPECT_GT(wav.Seconds(), 0.3);
    EXPECT_LT(wav.Seconds(), PauseAfter(name));
    EXPECT_GT(wav.Peak(), 0.1) << "silent clip";
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
