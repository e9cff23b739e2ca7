#include "clips/ClipTexts.h"

#include <array>
#include <string_view>

#include "core/ClipLibrary.h"

namespace quendal::clips {
namespace {

// Brazilian spellings: "dezesseis", "dezessete", "dezenove", "quatorze".
constexpr std::array<std::string_view, 20> kUnits = {
    "zero",     "um",     "dois",      "três",      "quatro",  "cinco",   "seis",
    "sete",     "oito",   "nove",      "dez",       "onze",    "doze",    "treze",
    "quatorze", "quinze", "dezesseis", "dezessete", "dezoito", "dezenove"};
constexpr std::array<std::string_view, 10> kTens = {"",         "",          "vinte",    "trinta",
                                                    "quarenta", "cinquenta", "sessenta", "setenta",
                                                    "oitenta",  "noventa"};

std::string Unit(int number, Gender gender) {
  if (gender == Gender::kFeminine && number == 1) return "uma";
  if (gender == Gender::kFeminine && number == 2) return "duas";
  return std::string(kUnits[static_cast<std::size_t>(number)]);
}

}  // namespace

std::string Cardinal(int number, Gender gender) {
  if (number < 0 || number > 99) return {};
  if (number < 20) return Unit(number, gender);
  std::string words(kTens[static_cast<std::size_t>(number / 10)]);
  if (number % 10 != 0) words += " e " + Unit(number % 10, gender);
  return words;
}

std::string HourText(int hour) {
  return Cardinal(hour, Gender::kFeminine) + (hour <= 1 ? " hora" : " horas");
}

std::string MinuteText(int minute) {
  if (minute == 0) return "zero minuto";
  return "e " + Cardinal(minute, Gender::kMasculine) + (minute == 1 ? " minuto" : " minutos");
}

std::string TemperatureText(int degrees) {
  return Cardinal(degrees, Gender::kMasculine) + (degrees <= 1 ? " grau" : " graus");
}

std::vector<ClipText> ClipTexts() {
  std::vector<ClipText> texts;
  for (const LibraryClip& clip : LibraryClips()) {
    switch (clip.kind) {
      case ClipKind::Hour:
        texts.push_back({clip.name, HourText(clip.number)});
        break;
      case ClipKind::Minute:
        texts.push_back({clip.name, MinuteText(clip.number)});
        break;
      case ClipKind::Temperature:
        texts.push_back({clip.name, TemperatureText(clip.number)});
        break;
    }
  }
  return texts;
}

}  // namespace quendal::clips
