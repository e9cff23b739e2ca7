#include "clips/WavInfo.h"

#include <fstream>
#include <iterator>

namespace quendal {
namespace {

int BytesPerSample(WavClip::Sample sample) {
  switch (sample) {
    case WavClip::Sample::kUInt8:
      return 1;
    case WavClip::Sample::kInt16:
      return 2;
    case WavClip::Sample::kInt32:
    case WavClip::Sample::kFloat32:
      return 4;
  }
  return 2;
}

}  // namespace

WavInfo ReadWavInfo(std::string_view bytes) {
  const WavClip clip = ParseWav(bytes);
  WavInfo info{clip.error, clip.sample, clip.channels, clip.sampleRate};
  if (!info.error.empty()) return info;
  if (clip.channels <= 0 || clip.sampleRate <= 0) {
    info.error = "no channels or no sample rate";
    return info;
  }
  const long long frames =
      static_cast<long long>(clip.pcm.size()) / (clip.channels * BytesPerSample(clip.sample));
  info.length = std::chrono::milliseconds(frames * 1000 / clip.sampleRate);
  return info;
}

WavInfo ReadWavFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {"cannot be opened"};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ReadWavInfo(bytes);
}

}  // namespace quendal
