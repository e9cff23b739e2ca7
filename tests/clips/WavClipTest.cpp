#include "clips/WavClip.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace quendal {
namespace {

std::string Le32(std::uint32_t v) {
  return {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
}
std::string Le16(std::uint16_t v) { return {char(v & 0xff), char(v >> 8)}; }

std::string Chunk(const std::string& id, const std::string& body) {
  std::string chunk = id + Le32(std::uint32_t(body.size())) + body;
  if (body.size() % 2) chunk += '\0';
  return chunk;
}

std::string Fmt(std::uint16_t format, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  const std::uint16_t align = std::uint16_t(channels * bits / 8);
  return Chunk("fmt ", Le16(format) + Le16(channels) + Le32(rate) + Le32(rate * align) +
                           Le16(align) + Le16(bits));
}

std::string Extensible(std::uint16_t subFormat, std::uint16_t bits) {
  const std::uint16_t align = std::uint16_t(bits / 8);
  return Chunk("fmt ", Le16(0xfffe) + Le16(1) + Le32(8000) + Le32(8000u * align) + Le16(align) +
                           Le16(bits) + Le16(22) + Le16(bits) + Le32(4) + Le16(subFormat) +
                           std::string(14, '\x01'));
}

std::string Riff(const std::string& chunks) { return "RIFF" + Le32(std::uint32_t(4 + chunks.size())) + "WAVE" + chunks; }

struct Readable {
  const char* name;
  std::string file;
  WavClip::Sample sample;
  int channels;
  int rate;
  std::string pcm;
};

void PrintTo(const Readable& file, std::ostream* out) { *out << file.name; }

class ReadsWav : public testing::TestWithParam<Readable> {};

TEST_P(ReadsWav, handsOverTheFramesInTheirFormat) {
  const WavClip clip = ParseWav(GetParam().file);
  ASSERT_EQ(clip.error, "");
  EXPECT_EQ(clip.sample, GetParam().sample);
  EXPECT_EQ(clip.channels, GetParam().channels);
  EXPECT_EQ(clip.sampleRate, GetParam().rate);
  EXPECT_EQ(clip.pcm, GetParam().pcm);
}

const std::string kFour = "\x10\x20\x30\x40";

INSTANTIATE_TEST_SUITE_P(Files, ReadsWav, testing::Values(
    Readable{"pcm16", Riff(Fmt(1, 1, 22050, 16) + Chunk("data", kFour)),
             WavClip::Sample::kInt16, 1, 22050, kFour},
    Readable{"pcm8Stereo", Riff(Fmt(1, 2, 11025, 8) + Chunk("data", kFour)),
             WavClip::Sample::kUInt8, 2, 11025, kFour},
    Readable{"float", Riff(Fmt(3, 1, 48000, 32) + Chunk("data", kFour)),
             WavClip::Sample::kFloat32, 1, 48000, kFour},
    Readable{"extensiblePcm", Riff(Extensible(1, 16) + Chunk("data", kFour)),
             WavClip::Sample::kInt16, 1, 8000, kFour},
    // 24-bit samples go to the top three bytes of 32-bit ones.
    Readable{"pcm24", Riff(Fmt(1, 1, 8000, 24) + Chunk("data", "\x01\x02\x03\x04\x05\x06")),
             WavClip::Sample::kInt32, 1, 8000, std::string("\0\x01\x02\x03\0\x04\x05\x06", 8)},
    // An odd-sized chunk is padded; the data after it must not shift by a byte.
    Readable{"oddChunkBeforeData", Riff(Fmt(1, 1, 8000, 16) + Chunk("LIST", "abc") + Chunk("data", kFour)),
             WavClip::Sample::kInt16, 1, 8000, kFour},
    // Written by a program that streamed it: sizes unknown, so the rest of the file.
    Readable{"streamedSizes", "RIFF" + Le32(0xffffffff) + "WAVE" + Fmt(1, 1, 8000, 16) + "data" +
                                  Le32(0xffffffff) + kFour,
             WavClip::Sample::kInt16, 1, 8000, kFour},
    Readable{"partialLastFrame", Riff(Fmt(1, 2, 8000, 16) + Chunk("data", kFour + "\x50\x60")),
             WavClip::Sample::kInt16, 2, 8000, kFour}),
    [](const auto& param) { return std::string(param.param.name); });

struct Unreadable {
  const char* name;
  std::string file;
};

void PrintTo(const Unreadable& file, std::ostream* out) { *out << file.name; }

class RefusesWav : public testing::TestWithParam<Unreadable> {};

TEST_P(RefusesWav, withAReason) { EXPECT_NE(ParseWav(GetParam().file).error, ""); }

INSTANTIATE_TEST_SUITE_P(Files, RefusesWav, testing::Values(
    Unreadable{"empty", ""},
    Unreadable{"text", "not a sound at all"},
    Unreadable{"adpcm", Riff(Fmt(2, 1, 8000, 4) + Chunk("data", kFour))},
    Unreadable{"extensibleAdpcm", Riff(Extensible(2, 16) + Chunk("data", kFour))},
    Unreadable{"noData", Riff(Fmt(1, 1, 8000, 16))},
    Unreadable{"dataBeforeFormat", Riff(Chunk("data", kFour) + Fmt(1, 1, 8000, 16))},
    Unreadable{"shortFormat", Riff(Chunk("fmt ", "\x01\x00") + Chunk("data", kFour))},
    Unreadable{"noChannels", Riff(Fmt(1, 0, 8000, 16) + Chunk("data", kFour))},
    Unreadable{"noSamples", Riff(Fmt(1, 1, 8000, 16) + Chunk("data", ""))}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quendal
