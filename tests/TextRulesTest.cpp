#include "core/TextRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quendal {
namespace {

struct KeyCase {
  const char* text;
  const char* key;
};

TEST(TwoCharacterKey, PadsWithZerosAndKeepsTheLastTwoCharacters) {
  const KeyCase cases[] = {
      {"", "00"},
      {"7", "07"},
      {"23", "23"},
      {"100", "00"},
      {"-5", "-5"},
      {"-12", "12"},
      {" 7", " 7"},
      {"\xC3\xA9", "0\xC3\xA9"},
      {"1\xC3\xA9", "1\xC3\xA9"},
      {"123\xE2\x82\xAC", "3\xE2\x82\xAC"},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(TwoCharacterKey(c.text), c.key) << "text '" << c.text << "'";
  }
}

struct NumberCase {
  const char* text;
  std::optional<double> value;
};

TEST(ReadNumber, AcceptsBlanksSignAndEitherDecimalSeparator) {
  const NumberCase cases[] = {
      {"23", 23.0}, {"  23  ", 23.0}, {"+7", 7.0}, {"-4", -4.0}, {"7.5", 7.5},
      {"7,5", 7.5}, {"-0,25", -0.25}, {".5", 0.5}, {"7.", 7.0},  {"007", 7.0},
  };
  for (const NumberCase& c : cases) {
    const std::optional<double> value = ReadNumber(c.text);
    ASSERT_TRUE(value.has_value()) << "text '" << c.text << "'";
    EXPECT_DOUBLE_EQ(*value, *c.value) << "text '" << c.text << "'";
  }
}

TEST(ReadNumber, RejectsTextsThatHoldNoNumber) {
  for (const char* text :
       {"", "   ", "abc", "7a", "a7", "+", "-", ".", ",", "1.2.3", "1,2.3", "+-1", "--1"}) {
    EXPECT_EQ(ReadNumber(text), std::nullopt) << "text '" << text << "'";
  }
}

TEST(SplitLines, EndsLinesAtCrLfCrAndLf) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\n"), Lines{""});
}

struct TemperatureFileCase {
  const char* name;
  const char* bytes;
  std::vector<std::string> keys;
};

[[maybe_unused]] void PrintTo(const TemperatureFileCase& c, std::ostream* out) { *out << c.name; }

class TemperatureKeysTest : public ::testing::TestWithParam<TemperatureFileCase> {};

TEST_P(TemperatureKeysTest, ReadsTheFourteenthAndFifteenthCharacters) {
  EXPECT_EQ(TemperatureKeys(GetParam().bytes), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    TextRules, TemperatureKeysTest,
    ::testing::Values(
        TemperatureFileCase{"TwoDigits", "Temperature: 23", {"23"}},
        TemperatureFileCase{"OneDigitIsPadded", "Temperature: 7", {"07"}},
        TemperatureFileCase{"Negative", "Temperature: -4", {"-4"}},
        TemperatureFileCase{"FractionIsTruncated", "Temperature: 7.9", {"07"}},
        TemperatureFileCase{"CommaFractionIsTruncated", "Temperature: 7,9", {"07"}},
        TemperatureFileCase{"FractionBelowOneIsZero", "Temperature: .9", {"00"}},
        TemperatureFileCase{"OnlyTwoCharactersAreRead", "Temperature: 123", {"12"}},
        TemperatureFileCase{"BlankBeforeValueIsRead", "Temperature:  5", {"05"}},
        TemperatureFileCase{"KeywordNotAtStart", "xTemperature:23", {"23"}},
        TemperatureFileCase{"PositionCountsFromLineStart", "Outside Temperature: 23", {"00"}},
        TemperatureFileCase{"CharactersNotBytes", "\xC3\xA9Temperature:23", {"23"}},
        TemperatureFileCase{"AnsiLineCountsBytes", "Temperature:\xA0\x32\x33", {"23"}},
        TemperatureFileCase{"KeywordIsCaseSensitive", "temperature: 23\nTEMPERATURE: 23", {}},
        TemperatureFileCase{"NoNumberWithoutPreviousIsZero", "Temperature: --", {"00"}},
        TemperatureFileCase{"LineTooShortIsZero", "Temperature:", {"00"}},
        TemperatureFileCase{"NoNumberTakesPreviousKey",
                            "Temperature: 18\r\nHumidity: 40\r\nTemperature: n/a",
                            {"18", "18"}},
        TemperatureFileCase{"PreviousKeyIsTheLatestMatchingLine",
                            "Temperature: 18\nTemperature: 3\nTemperature: ??\nTemperature: ??",
                            {"18", "03", "03", "03"}},
        TemperatureFileCase{"EveryLineEndingSeparates",
                            "Temperature: 1\r\nTemperature: 2\rTemperature: 3\nTemperature: 4",
                            {"01", "02", "03", "04"}}),
    [](const ::testing::TestParamInfo<TemperatureFileCase>& testCase) {
      return testCase.param.name;
    });

TEST(ScanTemperatureFile, KeepsEveryLineAndKeysOnlyMatchingOnes) {
  const std::vector<TemperatureLine> lines =
      ScanTemperatureFile("Station report\r\nTemperature: 21\r\n\r\nWind: calm");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "Station report");
  EXPECT_EQ(lines[0].key, std::nullopt);
  EXPECT_EQ(lines[1].text, "Temperature: 21");
  EXPECT_EQ(lines[1].key, "21");
  EXPECT_EQ(lines[2].text, "");
  EXPECT_EQ(lines[2].key, std::nullopt);
  EXPECT_EQ(lines[3].text, "Wind: calm");
  EXPECT_EQ(lines[3].key, std::nullopt);
}

TEST(IsAcceptedTemperature, AcceptsZeroToFortyInclusive) {
  for (const char* text : {"0", "40", "+7", " 25 ", "7,5", "39.9", "40.0"}) {
    EXPECT_TRUE(IsAcceptedTemperature(text)) << "text '" << text << "'";
  }
  for (const char* text : {"41", "40.1", "-1", "-0.5", "abc", "", " "}) {
    EXPECT_FALSE(IsAcceptedTemperature(text)) << "text '" << text << "'";
  }
}

}  // namespace
}  // namespace quendal
