#include "options/OptionsFile.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/TextRules.h"
#include "tests/support/FakeOptionControls.h"

namespace quendal {
namespace {

using fakes::FakeOptionControls;
using Lines = std::vector<std::string>;

constexpr std::array<Box, 7> kAllBoxes = {Box::Check1, Box::Check2, Box::Check3, Box::Check4,
                                          Box::Check5, Box::Check6, Box::Check7};

OptionSet Options(std::initializer_list<Box> set, std::string text1) {
  OptionSet options;
  for (Box box : set) options.SetValue(box, kSet);
  options.SetText1(std::move(text1));
  return options;
}

TEST(FormatOptionsFile, WritesBoxesInFileOrderThenTheManualText) {
  EXPECT_EQ(FormatOptionsFile(Options({Box::Check1, Box::Check4, Box::Check5}, "25")),
            " 1 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n25\r\n");
}

TEST(FormatOptionsFile, WritesGreyedBoxesAsClearedAndEmptyTextAsEmptyLine) {
  OptionSet options;
  for (Box box : kAllBoxes) options.SetValue(box, kGreyed);
  EXPECT_EQ(FormatOptionsFile(options), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n");
}

struct BoxLineCase {
  const char* line;
  std::optional<std::int16_t> value;
};

TEST(ParseBoxLine, ReadsSignedWholeNumbersWithBlanksAround) {
  const BoxLineCase cases[] = {
      {"1", 1},
      {" 1 ", 1},
      {"+1", 1},
      {"2", 2},
      {"0", 0},
      {" 0 ", 0},
      {"-1", -1},
      {"32767", 32767},
      {"-32768", -32768},
      {"x", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"99999", std::nullopt},
      {"-32769", std::nullopt},
      {"1x", std::nullopt},
      {"1 1", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"++1", std::nullopt},
  };
  for (const BoxLineCase& c : cases) {
    EXPECT_EQ(ParseBoxLine(c.line), c.value) << "line '" << c.line << "'";
  }
}

// Two signs are no number, so "+-0" must not pass as a cleared box.
TEST(ParseBoxLine, RefusesAPlusFollowedByAMinus) {
  EXPECT_EQ(ParseBoxLine("+-1"), std::nullopt);
  EXPECT_EQ(ParseBoxLine("+-0"), std::nullopt);
}

class ApplyOptionLinesTest : public ::testing::Test {
 protected:
  // Every box starts away from anything the lines below write, so an untouched box shows.
  void SetUp() override {
    controls_ = FakeOptionControls();
    for (Box box : kAllBoxes) controls_.options.SetValue(box, kGreyed);
    controls_.options.SetText1("before");
  }

  std::int16_t Value(Box box) const { return controls_.Value(box); }

  FakeOptionControls controls_;
};

TEST_F(ApplyOptionLinesTest, AppliesAllEightLinesInFileOrder) {
  const Lines lines = {"1", "0", "0", "0", "1", "0", "1", "12"};
  for (ApplyMode mode : {ApplyMode::SkipBadLines, ApplyMode::StopAtBadLine}) {
    SetUp();
    EXPECT_EQ(ApplyOptionLines(lines, controls_, mode).badLine, std::nullopt);
    EXPECT_EQ(Value(Box::Check1), kSet);
    EXPECT_EQ(Value(Box::Check4), kCleared);
    EXPECT_EQ(Value(Box::Check7), kSet);
    EXPECT_EQ(Value(Box::Check5), kCleared);
    EXPECT_EQ(Value(Box::Check6), kSet);
    EXPECT_EQ(controls_.options.Text1(), "12");
  }
}

TEST_F(ApplyOptionLinesTest, SkipBadLinesLeavesBadLinesBoxesAsTheyWere) {
  const Lines lines = {"1", "x", "0", "3", "-1", "", " 1 ", "text"};
  EXPECT_EQ(ApplyOptionLines(lines, controls_, ApplyMode::SkipBadLines).badLine, std::nullopt);
  EXPECT_EQ(Value(Box::Check1), kSet);
  EXPECT_EQ(Value(Box::Check2), kGreyed);
  EXPECT_EQ(Value(Box::Check3), kCleared);
  EXPECT_EQ(Value(Box::Check4), kGreyed);
  EXPECT_EQ(Value(Box::Check7), kGreyed);
  EXPECT_EQ(Value(Box::Check5), kGreyed);
  EXPECT_EQ(Value(Box::Check6), kSet);
  EXPECT_EQ(controls_.options.Text1(), "text");
}

TEST_F(ApplyOptionLinesTest, SkipBadLinesEmptiesTheManualTextWhenItsLineIsMissing) {
  EXPECT_EQ(
      ApplyOptionLines({"0", "1", "0", "0", "0", "0", "0"}, controls_, ApplyMode::SkipBadLines)
          .badLine,
      std::nullopt);
  EXPECT_EQ(Value(Box::Check2), kSet);
  EXPECT_EQ(controls_.options.Text1(), "");

  SetUp();
  ApplyOptionLines({"1", "1"}, controls_, ApplyMode::SkipBadLines);
  EXPECT_EQ(Value(Box::Check2), kSet);
  EXPECT_EQ(Value(Box::Check3), kGreyed);
  EXPECT_EQ(Value(Box::Check6), kGreyed);
  EXPECT_EQ(controls_.options.Text1(), "");
}

TEST_F(ApplyOptionLinesTest, StopAtBadLineKeepsWhatWasAppliedBeforeTheBadLine) {
  const Lines lines = {"1", " 0 ", "oops", "1", "1", "1", "1", "text"};
  EXPECT_EQ(ApplyOptionLines(lines, controls_, ApplyMode::StopAtBadLine).badLine, 3);
  EXPECT_EQ(Value(Box::Check1), kSet);
  EXPECT_EQ(Value(Box::Check2), kCleared);
  for (Box box : {Box::Check3, Box::Check4, Box::Check5, Box::Check6, Box::Check7}) {
    EXPECT_EQ(Value(box), kGreyed) << BoxName(box);
  }
  EXPECT_EQ(controls_.options.Text1(), "before");
}

TEST_F(ApplyOptionLinesTest, StopAtBadLineTreatsOutOfRangeValuesAsBad) {
  EXPECT_EQ(ApplyOptionLines({"0", "2", "3"}, controls_, ApplyMode::StopAtBadLine).badLine, 3);
  EXPECT_EQ(Value(Box::Check2), kGreyed);
  SetUp();
  EXPECT_EQ(ApplyOptionLines({"-1"}, controls_, ApplyMode::StopAtBadLine).badLine, 1);
  EXPECT_TRUE(controls_.log.empty());
}

TEST_F(ApplyOptionLinesTest, StopAtBadLineReportsTheFirstMissingLine) {
  EXPECT_EQ(ApplyOptionLines({"1", "0", "0", "1"}, controls_, ApplyMode::StopAtBadLine).badLine, 5);
  EXPECT_EQ(Value(Box::Check4), kSet);
  EXPECT_EQ(Value(Box::Check7), kGreyed);
  EXPECT_EQ(controls_.options.Text1(), "before");

  SetUp();
  const Lines sevenLines = {"0", "0", "0", "0", "0", "0", "1"};
  EXPECT_EQ(ApplyOptionLines(sevenLines, controls_, ApplyMode::StopAtBadLine).badLine, 8);
  EXPECT_EQ(Value(Box::Check6), kSet);
  EXPECT_EQ(controls_.options.Text1(), "before");

  SetUp();
  EXPECT_EQ(ApplyOptionLines({}, controls_, ApplyMode::StopAtBadLine).badLine, 1);
  EXPECT_TRUE(controls_.log.empty());
}

}  // namespace
}  // namespace quendal
