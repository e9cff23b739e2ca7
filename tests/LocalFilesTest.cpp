#include "platform/LocalFiles.h"

#include "core/TextRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#define getpid _getpid
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quendal {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Bytes a text-mode or truncating write would alter: a NUL, both line ends, a high byte.
const std::string kAwkwardBytes = "a\0b\r\nc\rd\ne\xFF"s;

class LocalFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("quendal-" + std::to_string(getpid()) + "-" +
                                           test->test_suite_name() + "-" + test->name());
    fs::remove_all(folder_);
    ASSERT_TRUE(fs::create_directory(folder_));
  }

  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  static void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path folder_;
};

TEST_F(LocalFilesTest, ExisteArquivoIsTrueOnlyForVisiblePlainFiles) {
  Write(folder_ / "clip.wav", "RIFF");
  Write(folder_ / ".hidden.wav", "RIFF");
  fs::create_directory(folder_ / "sounds");
#ifdef _WIN32
  // Hidden and system are attributes here, not a leading dot.
  Write(folder_ / "system.wav", "RIFF");
  ASSERT_TRUE(SetFileAttributesW((folder_ / ".hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW((folder_ / "system.wav").c_str(), FILE_ATTRIBUTE_SYSTEM));
  EXPECT_FALSE(LocalFiles(folder_).ExisteArquivo("system.wav"));
#endif
  LocalFiles files(folder_);

  EXPECT_TRUE(files.ExisteArquivo("clip.wav"));
  EXPECT_TRUE(files.ExisteArquivo((folder_ / "clip.wav").string()));
  EXPECT_FALSE(files.ExisteArquivo("sounds"));
  EXPECT_FALSE(files.ExisteArquivo(".hidden.wav"));
  EXPECT_FALSE(files.ExisteArquivo("missing.wav"));
  EXPECT_FALSE(files.ExisteArquivo(""));
}

// Names are UTF-8 whatever the system's code page: a folder named in letters outside the
// Windows ANSI code page must still be found, read and written.
TEST_F(LocalFilesTest, NamesAreUtf8InAnyFolder) {
  const std::string name = "Esta\xC3\xA7\xC3\xA3o \xCE\xA9 \xE6\x97\xB6";
  const fs::path folder = folder_ / fs::u8path(name);
  ASSERT_TRUE(fs::create_directory(folder));
  const std::u8string utf8 = folder.u8string();
  const std::string absolute(reinterpret_cast<const char*>(utf8.data()), utf8.size());
  LocalFiles files(folder_);

  ASSERT_TRUE(files.ReplaceAll(name + "/quendal.txt", "1\r\n"));
  EXPECT_TRUE(files.ExisteArquivo(name + "/quendal.txt"));
  EXPECT_TRUE(files.ExisteArquivo(absolute + "/quendal.txt"));
  EXPECT_EQ(files.ReadText(absolute + "/quendal.txt"), "1\r\n");
  EXPECT_EQ(Read(folder / "quendal.txt"), "1\r\n");
}

TEST_F(LocalFilesTest, RelativeNamesResolveAgainstTheGivenFolderNotTheProcessFolder) {
  const fs::path home = folder_ / "home";
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directory(home);
  fs::create_directory(elsewhere);
  Write(home / "home.txt", "home");
  Write(elsewhere / "elsewhere.txt", "elsewhere");

  const fs::path previous = fs::current_path();
  fs::current_path(elsewhere);
  LocalFiles files(home);
  const bool homeSeen = files.ExisteArquivo("home.txt");
  const bool elsewhereSeen = files.ExisteArquivo("elsewhere.txt");
  const std::optional<std::string> homeRead = files.ReadText("home.txt");
  const std::optional<std::string> elsewhereRead = files.ReadText("elsewhere.txt");
  const bool written = files.ReplaceAll("written.txt", "new");
  fs::current_path(previous);

  EXPECT_TRUE(homeSeen);
  EXPECT_FALSE(elsewhereSeen);
  EXPECT_EQ(homeRead, "home");
  EXPECT_EQ(elsewhereRead, std::nullopt);
  EXPECT_TRUE(written);
  EXPECT_TRUE(fs::exists(home / "written.txt"));
  EXPECT_FALSE(fs::exists(elsewhere / "written.txt"));
}

TEST_F(LocalFilesTest, ReplaceAllWritesExactlyTheBytesAndLeavesNoTemporaryFile) {
  LocalFiles files(folder_);

  ASSERT_TRUE(files.ReplaceAll("quendal.txt", kAwkwardBytes));
  EXPECT_EQ(Read(folder_ / "quendal.txt"), kAwkwardBytes);

  // A shorter replacement must not keep the tail of the longer file.
  ASSERT_TRUE(files.ReplaceAll("quendal.txt", "1\r\n"));
  EXPECT_EQ(Read(folder_ / "quendal.txt"), "1\r\n");

  EXPECT_EQ(Entries(folder_), std::vector<std::string>{"quendal.txt"});
}

TEST_F(LocalFilesTest, ReplaceAllIntoAMissingFolderFailsAndCreatesNothing) {
  LocalFiles files(folder_);

  EXPECT_FALSE(files.ReplaceAll("missing/quendal.txt", "1\r\n"));
  EXPECT_FALSE(files.ReplaceAll((folder_ / "absent" / "quendal.txt").string(), "1\r\n"));

  EXPECT_TRUE(Entries(folder_).empty());
}

TEST_F(LocalFilesTest, ReplaceAllOverAFolderFailsAndLeavesNoTemporaryFile) {
  fs::create_directory(folder_ / "quendal.txt");
  LocalFiles files(folder_);

  EXPECT_FALSE(files.ReplaceAll("quendal.txt", "1\r\n"));

  EXPECT_TRUE(fs::is_directory(folder_ / "quendal.txt"));
  EXPECT_EQ(Entries(folder_), std::vector<std::string>{"quendal.txt"});
}

TEST_F(LocalFilesTest, ReadTextReturnsTheWholeFileOrNothing) {
  Write(folder_ / "temperature.txt", kAwkwardBytes);
  Write(folder_ / "empty.txt", "");
  LocalFiles files(folder_);

  EXPECT_EQ(files.ReadText("temperature.txt"), kAwkwardBytes);
  EXPECT_EQ(files.ReadText("empty.txt"), "");
  EXPECT_EQ(files.ReadText("missing.txt"), std::nullopt);
}

// A folder opens for reading on POSIX but its first read fails; that must come back as
// nothing, neither as an empty file nor as an exception escaping FileAccess.
TEST_F(LocalFilesTest, ReadTextOfAFolderReturnsNothing) {
  fs::create_directory(folder_ / "sounds");
  LocalFiles files(folder_);

  std::optional<std::string> bytes = "not read";
  EXPECT_NO_THROW(bytes = files.ReadText("sounds"));
  EXPECT_EQ(bytes, std::nullopt);
}

// The limit falls right after "Temperature: 2": that cut line must not be read as 02.
TEST_F(LocalFilesTest, ReadTextOfAHugeFileStopsAtTheLimitOnALineEnd) {
  std::string big = "\r\n";
  while (big.size() < 3 * FileAccess::kTextReadLimit) big += "Temperature: 23\r\n";
  Write(folder_ / "temperatura.html", big);
  const std::string text = LocalFiles(folder_).ReadText("temperatura.html").value_or("");
  EXPECT_LE(text.size(), FileAccess::kTextReadLimit);
  EXPECT_EQ(TemperatureKeys("Temperature: 00\r\n" + text).back(), "23");
}

// The reads a rewritten file gave (bytes, whole, unchanged), and the text taken from them.
TEST(ReadSteadily, TakesAnUnendedLastLineOnlyFromAWholeUnchangedRead) {
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
TEST_F(LocalFilesTest, ReplaceAllWritesNothingThroughWhatIsPlanted) {
  Write(folder_ / "victim", "keep");
  fs::create_symlink(folder_ / "victim", folder_ / "quendal.txt.new");
  ASSERT_EQ(::mkfifo((folder_ / "fifo.txt.new").c_str(), 0600), 0);
  fs::create_symlink("real.txt", folder_ / "linked.txt");
  const mode_t umask = ::umask(0);
  for (const char* name : {"quendal.txt", "fifo.txt", "linked.txt"}) {
    EXPECT_TRUE(LocalFiles(folder_).ReplaceAll(name, name)) << name;
  }
  ::umask(umask);
  EXPECT_EQ(Read(folder_ / "victim") + Read(folder_ / "quendal.txt"), "keepquendal.txt");
  EXPECT_EQ(fs::status(folder_ / "quendal.txt").permissions(), fs::perms(0644));
  EXPECT_EQ(Read(folder_ / "fifo.txt") + Read(folder_ / "real.txt"), "fifo.txtlinked.txt");
  EXPECT_TRUE(fs::is_symlink(folder_ / "linked.txt"));
}
#endif

}  // namespace
}  // namespace quendal
