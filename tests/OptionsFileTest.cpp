// How a box line of the options file is read; how the file is written and how its lines
// are applied, at start and by the button, the scenarios show.
#include "options/OptionsFile.h"

#include <gtest/gtest.h>

namespace quendal::test {
namespace {

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
