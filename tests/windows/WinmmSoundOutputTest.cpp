#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/windows/WinmmSoundOutput.h"

namespace quendal {
namespace {

struct Conversion {
  std::string name;
  std::string utf8;
  std::wstring wide;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Conversion& entry, std::ostream* out) { *out << entry.name; }

class WideFromUtf8Test : public ::testing::TestWithParam<Conversion> {};

// Folder names of any language reach the system as they are; broken bytes become U+FFFD
// and so name no file, which plays the default sound.
TEST_P(WideFromUtf8Test, ConvertsWholeTexts) {
  EXPECT_EQ(WideFromUtf8(GetParam().utf8), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WideFromUtf8Test,
    ::testing::Values(Conversion{"Empty", "", L""},
                      Conversion{"Ascii", "C:\\hora\\hrs09.wav", L"C:\\hora\\hrs09.wav"},
                      Conversion{"Accents", "C:\\Estação\\São João.wav",
                                 L"C:\\Esta\u00e7\u00e3o\\S\u00e3o Jo\u00e3o.wav"},
                      Conversion{"BeyondSixteenBits", "\xF0\x9D\x84\x9E", L"\xD834\xDD1E"},
                      Conversion{"NotUtf8",
                                 "a\xFF"
                                 "b",
                                 L"a\uFFFDb"},
                      Conversion{"InnerNul", std::string("a\0b", 3), std::wstring(L"a\0b", 3)}),
    [](const auto& entry) { return entry.param.name; });

}  // namespace
}  // namespace quendal
