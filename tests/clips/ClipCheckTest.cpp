// quendal --check-clips on libraries an operator could leave behind: read from files on
// disk, as the program reads them.
#include <gtest/gtest.h>

#include "core/ClipLibrary.h"
#include "launch/ClipFolderCheck.h"
#include "tests/clips/WavBytes.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

// 16-bit mono at 8000 Hz: `ms` milliseconds of a square wave, or of silence.
std::string Wav(int ms, bool sound = true) {
  std::string data;
  for (int i = 0; i < ms * 8; ++i) data += Le(sound && i % 16 < 8 ? 12000 : 0, 2);
  return Riff(Fmt(1, 1, 8000, 16) + Chunk("data", data));
}

class ClipCheck : public testing::Test {
 protected:
  ClipCheck() {
    std::filesystem::create_directories(folder_ / "hora");
    std::filesystem::create_directories(folder_ / "temperatura");
    for (const std::string& name : LibraryClipNames()) WriteBytes(folder_ / name, Wav(900));
  }
  // An ASCII path, as the system's temporary folder's is here.
  ClipCheckReport Check() const { return CheckClipFolder(folder_.Path().string()); }

  ScratchFolder folder_;
};

TEST_F(ClipCheck, passesACleanLibrary) {
  const ClipCheckReport report = Check();
  EXPECT_EQ(report.Text(), "125 arquivos conferidos: nenhum problema.\n");
  EXPECT_EQ(report.ExitCode(), 0);
}

TEST_F(ClipCheck, namesEachFaultyFileOnALineOfItsOwn) {
  std::filesystem::remove(folder_ / "hora/hrs07.wav");
  WriteBytes(folder_ / "hora/min54.wav", Wav(2400));  // 2 s after a minute clip
  WriteBytes(folder_ / "hora/hrs23.wav", Wav(2900));  // 3 s after an hour clip
  WriteBytes(folder_ / "temperatura/tmp023.wav", "Temperature: 23\r\n");
  WriteBytes(folder_ / "temperatura/tmp040.wav", Wav(2500));  // 2 s on the internet
  WriteBytes(folder_ / "hora/hrs00.wav", Wav(900, /*sound=*/false));
  const ClipCheckReport report = Check();
  EXPECT_EQ(report.Text(),
            "hora/hrs00.wav: não tem som, só silêncio\n"
            "hora/hrs07.wav: falta o arquivo\n"
            "hora/min54.wav: dura 2,40 s, mais que a pausa de 2,00 s que o segue no ar\n"
            "temperatura/tmp023.wav: não é um WAV que o som toque (não é um arquivo WAV)\n"
            "temperatura/tmp040.wav: dura 2,50 s, mais que a pausa de 2,00 s que o segue no ar\n"
            "125 arquivos conferidos: 5 problemas.\n");
  EXPECT_EQ(report.ExitCode(), 1);
}

}  // namespace
}  // namespace quendal::test
