// How the options file is written and how a box line is read; how the lines are applied,
// at start and by the button, is shown by the scenarios.
#include "options/OptionsFile.h"

#include <gtest/gtest.h>

namespace quendal::test {
namespace {

TEST(OptionsFile, writesBoxesInFileOrderGreyedAsClearedThenTheManualText) {
  OptionSet options;
  for (Box box : {Box::Check1, Box::Check7, Box::Check6}) options.SetValue(box, kSet);
  options.SetValue(Box::Check2, kGreyed);
  options.SetText1("25");
  EXPECT_EQ(FormatOptionsFile(options), " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n25\r\n");
}

TEST(OptionsFile, readsABoxLineAsASigned16BitWholeNumberWithBlanksAround) {
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
