#include "clips/WavClip.h"
#include "clips/WavInfo.h"

#include <gtest/gtest.h>

#include "tests/clips/WavBytes.h"

namespace quendal::test {
namespace {

std::string Extensible(int subFormat, int bits) {
  return Chunk("fmt ", Le(0xfffe, 2) + Le(1, 2) + Le(8000, 4) + Le(8000 * bits / 8, 4) +
                           Le(bits / 8, 2) + Le(bits, 2) + Le(22, 2) + Le(bits, 2) + Le(4, 4) +
                           Le(subFormat, 2) + std::string(14, '\x01'));
}

const std::string kFour = "\x10\x20\x30\x40";

TEST(WavClip, handsOverTheFramesInTheirFormat) {
  using Sample = WavClip::Sample;
  struct Readable {
    std::string file;
    Sample sample;
    int channels, rate;
    std::string pcm = kFour;
  };
  const Readable files[] = {
      {Riff(Fmt(1, 1, 22050, 16) + Chunk("data", kFour)), Sample::kInt16, 1, 22050},
      {Riff(Fmt(1, 2, 11025, 8) + Chunk("data", kFour)), Sample::kUInt8, 2, 11025},
      {Riff(Fmt(3, 1, 48000, 32) + Chunk("data", kFour)), Sample::kFloat32, 1, 48000},
      {Riff(Extensible(1, 16) + Chunk("data", kFour)), Sample::kInt16, 1, 8000},
      // 24-bit samples go to the top three bytes of 32-bit ones.
      {Riff(Fmt(1, 1, 8000, 24) + Chunk("data", "\x01\x02\x03\x04\x05\x06")), Sample::kInt32, 1,
       8000, std::string("\0\x01\x02\x03\0\x04\x05\x06", 8)},
      // The data after a padded chunk must not shift by a byte.
      {Riff(Fmt(1, 1, 8000, 16) + Chunk("LIST", "abc") + Chunk("data", kFour)), Sample::kInt16, 1,
       8000},
      // Written by a program that streamed it: sizes unknown, so the rest of the file.
      {"RIFF" + Le(~0u, 4) + "WAVE" + Fmt(1, 1, 8000, 16) + "data" + Le(~0u, 4) + kFour,
       Sample::kInt16, 1, 8000},
      {Riff(Fmt(1, 2, 8000, 16) + Chunk("data", kFour + "\x50\x60")), Sample::kInt16, 2, 8000},
  };
  for (const Readable& file : files) {
    const WavClip clip = ParseWav(file.file);
    SCOPED_TRACE(&file - files);
    ASSERT_EQ(clip.error, "");
    EXPECT_EQ(clip.sample, file.sample);
    EXPECT_EQ(std::pair(clip.channels, clip.sampleRate), std::pair(file.channels, file.rate));
    EXPECT_EQ(clip.pcm, file.pcm);
  }
}

TEST(WavClip, refusesWhatItCannotPlayWithAReason) {
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"text", "not a sound at all"},
      {"adpcm", Riff(Fmt(2, 1, 8000, 4) + Chunk("data", kFour))},
      {"extensibleAdpcm", Riff(Extensible(2, 16) + Chunk("data", kFour))},
      {"noData", Riff(Fmt(1, 1, 8000, 16))},
      {"dataBeforeFormat", Riff(Chunk("data", kFour) + Fmt(1, 1, 8000, 16))},
      {"shortFormat", Riff(Chunk("fmt ", "\x01\x00") + Chunk("data", kFour))},
      {"noChannels", Riff(Fmt(1, 0, 8000, 16) + Chunk("data", kFour))},
      {"noSamples", Riff(Fmt(1, 1, 8000, 16) + Chunk("data", ""))},
      {"rateBeyondInt", Riff(Fmt(1, 1, 0x80000000u, 16) + Chunk("data", kFour))},
      {"rateBeyondTheSoundServer", Riff(Fmt(1, 1, 384001, 16) + Chunk("data", kFour))},
  };
  for (const auto& [name, file] : files) EXPECT_NE(ParseWav(file).error, "") << name;
}

TEST(WavInfo, measuresTheLengthFromTheHeader) {
  const std::pair<std::string, long long> files[] = {
      {Riff(Fmt(1, 1, 8000, 16) + Chunk("data", std::string(16000, '\x01'))), 1000},
      {Riff(Fmt(1, 2, 48000, 24) + Chunk("data", std::string(28800, '\x01'))), 100},
      {Riff(Fmt(3, 1, 384000, 32) + Chunk("data", std::string(3840, '\x01'))), 2},
      // A streamed file's unknown size: the frames it holds.
      {"RIFF" + Le(~0u, 4) + "WAVE" + Fmt(1, 1, 8000, 8) + "data" + Le(~0u, 4) +
           std::string(4000, '\x01'),
       500},
  };
  for (const auto& [file, ms] : files) EXPECT_EQ(ReadWavInfo(file).Duration().count(), ms);
}

}  // namespace
}  // namespace quendal::test
