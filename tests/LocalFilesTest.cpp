#include "platform/LocalFiles.h"

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
  EXPECT_EQ(files.ReadAll(absolute + "/quendal.txt"), "1\r\n");
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
  const std::optional<std::string> homeRead = files.ReadAll("home.txt");
  const std::optional<std::string> elsewhereRead = files.ReadAll("elsewhere.txt");
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

TEST_F(LocalFilesTest, ReadAllReturnsTheWholeFileOrNothing) {
  Write(folder_ / "temperature.txt", kAwkwardBytes);
  Write(folder_ / "empty.txt", "");
  LocalFiles files(folder_);

  EXPECT_EQ(files.ReadAll("temperature.txt"), kAwkwardBytes);
  EXPECT_EQ(files.ReadAll("empty.txt"), "");
  EXPECT_EQ(files.ReadAll("missing.txt"), std::nullopt);
}

// A folder opens for reading on POSIX but its first read fails; that must come back as
// nothing, neither as an empty file nor as an exception escaping FileAccess.
TEST_F(LocalFilesTest, ReadAllOfAFolderReturnsNothing) {
  fs::create_directory(folder_ / "sounds");
  LocalFiles files(folder_);

  std::optional<std::string> bytes = "not read";
  EXPECT_NO_THROW(bytes = files.ReadAll("sounds"));
  EXPECT_EQ(bytes, std::nullopt);
}

}  // namespace
}  // namespace quendal
