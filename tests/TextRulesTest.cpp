// The text rules every announcement and the options file share, as tables.
#include "core/TextRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "options/OptionsFile.h"

namespace quendal::test {
namespace {

using Keys = std::vector<std::string>;

TEST(TextRules, twoCharacterKeyPadsAndKeepsTheLastTwoCharacters) {
  const std::pair<const char*, const char*> keys[] = {{"", "00"},
                                                      {"7", "07"},
                                                      {"23", "23"},
                                                      {"100", "00"},
                                                      {"-5", "-5"},
                                                      {"-12", "12"},
                                                      {" 7", " 7"},
                                                      {"\xC3\xA9", "0\xC3\xA9"},
                                                      {"1\xC3\xA9", "1\xC3\xA9"},
                                                      {"123\xE2\x82\xAC", "3\xE2\x82\xAC"}};
  for (const auto& [text, key] : keys) EXPECT_EQ(TwoCharacterKey(text), key) << text;
}

TEST(TextRules, readNumberTakesBlanksASignAndEitherDecimalSeparator) {
  const std::pair<const char*, double> numbers[] = {
      {"23", 23},   {"  23  ", 23},   {"+7", 7},   {"-4", -4}, {"7.5", 7.5},
      {"7,5", 7.5}, {"-0,25", -0.25}, {".5", 0.5}, {"7.", 7},  {"007", 7}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ReadNumber(text), value) << text;
  for (const char* text :
       {"", "   ", "abc", "7a", "a7", "+", "-", ".", ",", "1.2.3", "1,2.3", "+-1", "--1"}) {
    EXPECT_EQ(ReadNumber(text), std::nullopt) << text;
  }
}

TEST(TextRules, splitLinesEndsLinesAtCrLfCrAndLf) {
  EXPECT_EQ(SplitLines(""), Keys{});
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd\r\n"), (Keys{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\r\nc\n\rd"), (Keys{"a", "", "b", "", "c", "", "d"}));
}

// The key stands in the 14th and 15th characters of a line holding the keyword.
TEST(TextRules, temperatureKeysReadTheFourteenthAndFifteenthCharacters) {
  const std::pair<const char*, Keys> files[] = {
      {"Temperature: 23", {"23"}},
      {"Temperature: 7", {"07"}},
      {"Temperature: -4", {"-4"}},
      {"Temperature: 7.9", {"07"}},
      {"Temperature: 7,9", {"07"}},
      {"Temperature: .9", {"00"}},
      {"Temperature: 123", {"12"}},
      {"Temperature:  5", {"05"}},
      {"xTemperature:23", {"23"}},
      {"Outside Temperature: 23", {"00"}},
      {"\xC3\xA9Temperature:23", {"23"}},
      {"Temperature:\xA0\x32\x33", {"23"}},  // not UTF-8: a byte a character
      {"temperature: 23\nTEMPERATURE: 23", {}},
      {"Temperature: --", {"00"}},
      {"Temperature:", {"00"}},
      {"Temperature: 18\r\nHumidity: 40\r\nTemperature: n/a", {"18", "18"}},
      {"Temperature: 18\nTemperature: 3\nTemperature: ??", {"18", "03", "03"}},
      {"Temperature: 1\r\nTemperature: 2\rTemperature: 3\nTemperature: 4",
       {"01", "02", "03", "04"}},
  };
  for (const auto& [bytes, keys] : files) EXPECT_EQ(TemperatureKeys(bytes), keys) << bytes;
}

TEST(TextRules, manualTemperatureIsAcceptedFromZeroToFortyInclusive) {
  for (const char* text : {"0", "40", "+7", " 25 ", "7,5", "39.9", "40.0"}) {
    EXPECT_TRUE(IsAcceptedTemperature(text)) << text;
  }
  for (const char* text : {"41", "40.1", "-1", "-0.5", "abc", "", " "}) {
    EXPECT_FALSE(IsAcceptedTemperature(text)) << text;
  }
}

TEST(TextRules, anOptionsBoxLineReadsAsASigned16BitWholeNumberWithBlanksAround) {
  const std::pair<const char*, std::int16_t> numbers[] = {
      {"1", 1},   {" 1 ", 1}, {"+1", 1},        {"2", 2},
      {" 0 ", 0}, {"-1", -1}, {"32767", 32767}, {"-32768", -32768}};
  for (const auto& [line, value] : numbers) EXPECT_EQ(ParseBoxLine(line), value) << line;
  // Two signs are no number, so "+-0" must not pass as a cleared box.
  for (const char* line :
       {"x", "", "   ", "99999", "-32769", "1x", "1 1", "+", "-", "++1", "+-1", "+-0"}) {
    EXPECT_EQ(ParseBoxLine(line), std::nullopt) << line;
  }
}

}  // namespace
}  // namespace quendal::test
