#include "clips/ClipTexts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/ClipLibrary.h"

namespace quendal::clips {
namespace {

enum class Kind { kHour, kMinute, kTemperature };

struct Said {
  Kind kind;
  int number;
  const char* words;
};

std::string Speak(Kind kind, int number) {
  switch (kind) {
    case Kind::kHour: return HourText(number);
    case Kind::kMinute: return MinuteText(number);
    case Kind::kTemperature: return TemperatureText(number);
  }
  return {};
}

void PrintTo(const Said& said, std::ostream* out) { *out << said.number << " \"" << said.words << '"'; }

class ClipWords : public testing::TestWithParam<Said> {};

TEST_P(ClipWords, sayTheNumberInBrazilianPortuguese) {
  EXPECT_EQ(Speak(GetParam().kind, GetParam().number), GetParam().words);
}

// Hours are feminine ("uma", "duas", also inside "vinte e uma") and singular up to one.
INSTANTIATE_TEST_SUITE_P(Hours, ClipWords, testing::Values(
    Said{Kind::kHour, 0, "zero hora"},
    Said{Kind::kHour, 1, "uma hora"},
    Said{Kind::kHour, 2, "duas horas"},
    Said{Kind::kHour, 3, "três horas"},
    Said{Kind::kHour, 12, "doze horas"},
    Said{Kind::kHour, 14, "quatorze horas"},
    Said{Kind::kHour, 16, "dezesseis horas"},
    Said{Kind::kHour, 19, "dezenove horas"},
    Said{Kind::kHour, 20, "vinte horas"},
    Said{Kind::kHour, 21, "vinte e uma horas"},
    Said{Kind::kHour, 22, "vinte e duas horas"},
    Said{Kind::kHour, 23, "vinte e três horas"}));

// Minutes follow the hour, so they are joined with "e"; masculine, singular only at one.
INSTANTIATE_TEST_SUITE_P(Minutes, ClipWords, testing::Values(
    Said{Kind::kMinute, 0, "zero minuto"},
    Said{Kind::kMinute, 1, "e um minuto"},
    Said{Kind::kMinute, 2, "e dois minutos"},
    Said{Kind::kMinute, 10, "e dez minutos"},
    Said{Kind::kMinute, 17, "e dezessete minutos"},
    Said{Kind::kMinute, 21, "e vinte e um minutos"},
    Said{Kind::kMinute, 30, "e trinta minutos"},
    Said{Kind::kMinute, 42, "e quarenta e dois minutos"},
    Said{Kind::kMinute, 50, "e cinquenta minutos"},
    Said{Kind::kMinute, 59, "e cinquenta e nove minutos"}));

INSTANTIATE_TEST_SUITE_P(Temperatures, ClipWords, testing::Values(
    Said{Kind::kTemperature, 0, "zero grau"},
    Said{Kind::kTemperature, 1, "um grau"},
    Said{Kind::kTemperature, 2, "dois graus"},
    Said{Kind::kTemperature, 18, "dezoito graus"},
    Said{Kind::kTemperature, 21, "vinte e um graus"},
    Said{Kind::kTemperature, 32, "trinta e dois graus"},
    Said{Kind::kTemperature, 40, "quarenta graus"}));

TEST(ClipTexts, nameExactlyTheClipsTheProgramAsksFor) {
  std::vector<std::string> names;
  for (const auto& clip : ClipTexts()) names.push_back(clip.name);
  EXPECT_EQ(names, LibraryClipNames());
}

TEST(ClipTexts, giveEveryClipItsOwnWords) {
  std::set<std::string> distinct;
  for (const auto& clip : ClipTexts()) {
    EXPECT_FALSE(clip.text.empty()) << clip.name;
    EXPECT_EQ(clip.text.find_first_of("\t\n"), std::string::npos) << clip.name;
    distinct.insert(clip.text);
  }
  EXPECT_EQ(distinct.size(), ClipTexts().size());
}

TEST(ClipTexts, pairTheWordsWithTheRightFile) {
  const auto texts = ClipTexts();
  auto said = [&](const std::string& name) {
    for (const auto& clip : texts) {
      if (clip.name == name) return clip.text;
    }
    return std::string("(missing)");
  };
  EXPECT_EQ(said("hora/hrs09.wav"), "nove horas");
  EXPECT_EQ(said("hora/min05.wav"), "e cinco minutos");
  EXPECT_EQ(said("temperatura/tmp007.wav"), "sete graus");
  EXPECT_EQ(said("temperatura/tmp025.wav"), "vinte e cinco graus");
}

}  // namespace
}  // namespace quendal::clips
