#include "clips/WavClip.h"

namespace quendal {

WavClip ParseWav(std::string_view bytes) {
  const WavInfo info = ReadWavInfo(bytes);
  WavClip clip;
  clip.error = info.error;
  if (clip.error.empty() && info.dataLength == 0) clip.error = "sem nenhuma amostra de som";
  if (!clip.error.empty()) return clip;
  clip.sample = info.sample;
  clip.channels = info.channels;
  clip.sampleRate = info.sampleRate;
  const std::string_view data = bytes.substr(info.dataOffset, info.dataLength);
  if (info.bits != 24) {
    clip.pcm.assign(data);
    return clip;
  }
  // Outputs take 24-bit samples only in 32-bit containers: the sample goes in the top bytes.
  clip.pcm.reserve(data.size() / 3 * 4);
  for (std::size_t i = 0; i < data.size(); i += 3) {
    clip.pcm += '\0';
    clip.pcm.append(data.substr(i, 3));
  }
  return clip;
}

}  // namespace quendal
