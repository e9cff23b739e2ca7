#include "platform/LocalFiles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "core/TextRules.h"
#include "tests/support/ScratchFolder.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Bytes a text-mode or truncating write would alter: a NUL, both line ends, a high byte.
const std::string kAwkwardBytes = "a\0b\r\nc\rd\ne\xFF"s;

class LocalFilesTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  LocalFiles files_{folder_.Path()};
};

TEST_F(LocalFilesTest, existeArquivoSeesOnlyVisiblePlainFiles) {
  for (const char* name : {"clip.wav", ".hidden.wav", "system.wav"}) WriteBytes(folder_ / name, "");
  fs::create_directory(folder_ / "sounds");
#ifdef _WIN32
  // Hidden and system are attributes here, not a leading dot.
  ASSERT_TRUE(SetFileAttributesW((folder_ / ".hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW((folder_ / "system.wav").c_str(), FILE_ATTRIBUTE_SYSTEM));
  EXPECT_FALSE(files_.ExisteArquivo("system.wav"));
#endif
  EXPECT_TRUE(files_.ExisteArquivo("clip.wav"));
  for (const char* absent : {"sounds", ".hidden.wav", "missing.wav", ""}) {
    EXPECT_FALSE(files_.ExisteArquivo(absent)) << absent;
  }
}

// Relative names resolve against the given folder, never the process's, and names are
// UTF-8 whatever the system's code page.
TEST_F(LocalFilesTest, namesAreUtf8AndRelativeToTheGivenFolder) {
  const std::string name = "Esta\xC3\xA7\xC3\xA3o \xCE\xA9 \xE6\x97\xB6";
  ASSERT_TRUE(fs::create_directory(folder_ / name));
  const std::u8string absolute = (folder_ / name / "quendal.txt").u8string();
  WriteBytes(folder_ / "elsewhere.txt", "elsewhere");
  const fs::path previous = fs::current_path();
  fs::current_path(folder_.Path());
  LocalFiles files(folder_ / name);
  EXPECT_TRUE(files.ReplaceAll("quendal.txt", "1\r\n"));
  EXPECT_FALSE(files.ExisteArquivo("elsewhere.txt"));
  EXPECT_EQ(files.ReadText("elsewhere.txt"), std::nullopt);
  fs::current_path(previous);
  EXPECT_TRUE(files_.ExisteArquivo(name + "/quendal.txt"));
  EXPECT_EQ(files_.ReadText(std::string(absolute.begin(), absolute.end())), "1\r\n");
}

// Whole or nothing: a shorter replacement keeps no tail, and no temporary file is left
// by a replacement, whether it worked or not.
TEST_F(LocalFilesTest, replaceAllWritesExactlyTheBytesOrFailsLeavingNothingBehind) {
  ASSERT_TRUE(files_.ReplaceAll("quendal.txt", kAwkwardBytes));
  EXPECT_EQ(ReadBytes(folder_ / "quendal.txt"), kAwkwardBytes);
  ASSERT_TRUE(files_.ReplaceAll("quendal.txt", "1\r\n"));
  EXPECT_EQ(ReadBytes(folder_ / "quendal.txt"), "1\r\n");
  fs::create_directory(folder_ / "folder.txt");
  EXPECT_FALSE(files_.ReplaceAll("missing/quendal.txt", "1\r\n"));
  EXPECT_FALSE(files_.ReplaceAll((folder_ / "absent" / "quendal.txt").string(), "1\r\n"));
  EXPECT_FALSE(files_.ReplaceAll("folder.txt", "1\r\n"));
  EXPECT_TRUE(fs::is_directory(folder_ / "folder.txt"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), {}), 2) << "no file left over";
}

// A folder opens for reading on POSIX but its first read fails: nothing, no exception.
TEST_F(LocalFilesTest, readTextReturnsTheWholeFileOrNothing) {
  WriteBytes(folder_ / "temperature.txt", kAwkwardBytes);
  fs::create_directory(folder_ / "sounds");
  EXPECT_EQ(files_.ReadText("temperature.txt"), kAwkwardBytes);
  EXPECT_EQ(files_.ReadText("missing.txt"), std::nullopt);
  std::optional<std::string> folder = "not read";
  EXPECT_NO_THROW(folder = files_.ReadText("sounds"));
  EXPECT_EQ(folder, std::nullopt);
}

// The limit falls right after "Temperature: 2": that cut line must not be read as 02.
TEST_F(LocalFilesTest, readTextOfAHugeFileStopsAtTheLimitOnALineEnd) {
  std::string big = "\r\n";
  while (big.size() < 3 * FileAccess::kTextReadLimit) big += "Temperature: 23\r\n";
  WriteBytes(folder_ / "temperatura.html", big);
  const std::string text = files_.ReadText("temperatura.html").value_or("");
  EXPECT_LE(text.size(), FileAccess::kTextReadLimit);
  EXPECT_EQ(TemperatureKeys("Temperature: 00\r\n" + text).back(), "23");
}

// The reads a rewritten file gave (bytes, whole, unchanged), and the text taken from them.
TEST(ReadSteadily, takesAnUnendedLastLineOnlyFromAWholeUnchangedRead) {
  using Read = filesystem::FilePrefix;
  const Read cut{"A\r\nT: 2", true, false}, whole{"A\r\nT: 23", true, true};
  const std::pair<std::vector<Read>, std::string> cases[] = {{{whole}, "A\r\nT: 23"},
                                                             {{cut, whole}, "A\r\nT: 23"},
                                                             {{cut, cut, cut, whole}, "A\r\n"},
                                                             {{{"A\nT: 2", false, true}}, "A\n"}};
  for (const auto& [reads, text] : cases) {
    std::size_t next = 0;
    EXPECT_EQ(ReadSteadily([&] { return std::optional<Read>(reads.at(next++)); }), text);
  }
}

#ifndef _WIN32
// A save follows no link and waits on no FIFO planted where its temporary file might go,
// makes its file 0644 less the umask, and writes a linked options file through its link.
TEST_F(LocalFilesTest, replaceAllWritesNothingThroughWhatIsPlanted) {
  WriteBytes(folder_ / "victim", "keep");
  fs::create_symlink(folder_ / "victim", folder_ / "quendal.txt.new");
  ASSERT_EQ(::mkfifo((folder_ / "fifo.txt.new").c_str(), 0600), 0);
  fs::create_symlink("real.txt", folder_ / "linked.txt");
  const mode_t umask = ::umask(0);
  for (const char* name : {"quendal.txt", "fifo.txt", "linked.txt"}) {
    EXPECT_TRUE(files_.ReplaceAll(name, name)) << name;
  }
  ::umask(umask);
  EXPECT_EQ(ReadBytes(folder_ / "victim") + ReadBytes(folder_ / "quendal.txt"), "keepquendal.txt");
  EXPECT_EQ(fs::status(folder_ / "quendal.txt").permissions(), fs::perms(0644));
  EXPECT_EQ(ReadBytes(folder_ / "fifo.txt") + ReadBytes(folder_ / "real.txt"),
            "fifo.txtlinked.txt");
  EXPECT_TRUE(fs::is_symlink(folder_ / "linked.txt"));
}
#endif

}  // namespace
}  // namespace quendal::test
