#include "core/ClipCheck.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "clips/WavClip.h"
#include "clips/WavInfo.h"
#include "core/ClipLibrary.h"
#include "core/Pauses.h"

namespace quendal {
namespace {

// Below -60 dB of full scale nothing is heard over a radio channel's own noise.
constexpr double kSilence = 0.001;

template <typename T>
T SampleAt(const std::string& pcm, std::size_t at) {
  T value;
  std::memcpy(&value, pcm.data() + at, sizeof value);
  return value;
}

// The loudest sample, as a share of full scale. The machines we build for are
// little-endian, as WAV samples are.
double Peak(const WavClip& clip) {
  double peak = 0;
  const auto scan = [&](std::size_t width, auto level) {
    for (std::size_t at = 0; at + width <= clip.pcm.size(); at += width) {
      peak = std::max(peak, std::fabs(level(at)));
    }
  };
  switch (clip.sample) {
    case WavClip::Sample::kUInt8:
      scan(1, [&](std::size_t at) { return (SampleAt<std::uint8_t>(clip.pcm, at) - 128) / 128.0; });
      break;
    case WavClip::Sample::kInt16:
      scan(2, [&](std::size_t at) { return SampleAt<std::int16_t>(clip.pcm, at) / 32768.0; });
      break;
    case WavClip::Sample::kInt32:
      scan(4, [&](std::size_t at) { return SampleAt<std::int32_t>(clip.pcm, at) / 2147483648.0; });
      break;
    case WavClip::Sample::kFloat32:
      scan(4, [&](std::size_t at) { return double(SampleAt<float>(clip.pcm, at)); });
      break;
  }
  return peak;
}

// "2,35 s": the operator's decimal comma.
std::string Seconds(long long milliseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld,%02lld s", milliseconds / 1000, milliseconds % 1000 / 10);
  return text;
}

void CheckOne(const LibraryClip& clip, const ClipFile& file, std::vector<std::string>& faults) {
  const auto fault = [&](const std::string& what) { faults.push_back(clip.name + ": " + what); };
  switch (file.state) {
    case ClipFile::State::kMissing:
      return fault("falta o arquivo");
    case ClipFile::State::kUnreadable:
      return fault("o arquivo não pode ser lido");
    case ClipFile::State::kTooBig:
      return fault("arquivo grande demais para um trecho (mais de 64 MiB)");
    case ClipFile::State::kRead:
      break;
  }
  const WavInfo info = ReadWavInfo(file.bytes);
  if (!info.error.empty()) return fault("não é um WAV que o som toque (" + info.error + ")");
  const WavClip sound = ParseWav(file.bytes);
  if (!sound.error.empty() || Peak(sound) < kSilence) fault("não tem som, só silêncio");
  const long long length = info.Duration().count();
  const int pause = pauses::AfterClip(clip.kind);
  if (length > pause) {
    fault("dura " + Seconds(length) + ", mais que a pausa de " + Seconds(pause) +
          " que o segue no ar");
  }
}

}  // namespace

std::string ClipCheckReport::Text() const {
  std::string text;
  for (const std::string& fault : faults) text += fault + "\n";
  const std::string count = std::to_string(faults.size());
  text += std::to_string(clips) + " arquivos conferidos: ";
  text += faults.empty()       ? "nenhum problema.\n"
          : faults.size() == 1 ? "1 problema.\n"
                               : count + " problemas.\n";
  return text;
}

ClipCheckReport CheckClipLibrary(const ReadClipFile& read) {
  ClipCheckReport report;
  for (const LibraryClip& clip : LibraryClips()) {
    ++report.clips;
    CheckOne(clip, read(clip.name), report.faults);
  }
  return report;
}

}  // namespace quendal
