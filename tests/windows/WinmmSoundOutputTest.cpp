// Folder names of any language reach the system as they are; broken bytes become U+FFFD
// and so name no file, which plays the default sound.
#include "platform/windows/WinmmSoundOutput.h"

#include <gtest/gtest.h>

namespace quendal::test {
namespace {

TEST(WinmmSoundOutput, convertsWholeUtf8TextsForTheSystem) {
  const std::pair<std::string, std::wstring> texts[] = {
      {"", L""},
      {"C:\\hora\\hrs09.wav", L"C:\\hora\\hrs09.wav"},
      {"C:\\Estação\\São João.wav", L"C:\\Esta\u00e7\u00e3o\\S\u00e3o Jo\u00e3o.wav"},
      {"\xF0\x9D\x84\x9E", L"\xD834\xDD1E"},
      {"a\xFF"
       "b",
       L"a\uFFFDb"},
      {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const auto& [utf8, wide] : texts) EXPECT_EQ(WideFromUtf8(utf8), wide) << utf8;
}

}  // namespace
}  // namespace quendal::test
