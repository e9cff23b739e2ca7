#include "clips/ClipTexts.h"

#include <gtest/gtest.h>

#include <functional>

namespace quendal::test {

using namespace clips;
namespace {

// The words for each number, joined with " / ".
std::string Say(const std::function<std::string(int)>& speak, std::vector<int> numbers) {
  std::string said;
  for (int number : numbers) said += (said.empty() ? "" : " / ") + speak(number);
  return said;
}

TEST(ClipTexts, sayTheNumbersInBrazilianPortuguese) {
  // Hours are feminine ("uma", "duas", also inside "vinte e uma") and singular up to one.
  EXPECT_EQ(Say(HourText, {0, 1, 2, 3, 12, 14, 16, 19, 20, 21, 22, 23}),
            "zero hora / uma hora / duas horas / três horas / doze horas / quatorze horas / "
            "dezesseis horas / dezenove horas / vinte horas / vinte e uma horas / "
            "vinte e duas horas / vinte e três horas");
  // Minutes follow the hour, so they are joined with "e"; masculine, singular only at one.
  EXPECT_EQ(Say(MinuteText, {0, 1, 2, 10, 17, 21, 30, 42, 50, 59}),
            "zero minuto / e um minuto / e dois minutos / e dez minutos / e dezessete minutos / "
            "e vinte e um minutos / e trinta minutos / e quarenta e dois minutos / "
            "e cinquenta minutos / e cinquenta e nove minutos");
  EXPECT_EQ(Say(TemperatureText, {0, 1, 2, 18, 21, 32, 40}),
            "zero grau / um grau / dois graus / dezoito graus / vinte e um graus / "
            "trinta e dois graus / quarenta graus");
}

}  // namespace
}  // namespace quendal::test
