#pragma once

#include <string>
#include <vector>

// The words each clip of the default library says, in Brazilian Portuguese. The build
// speaks them into WAV files; nothing at run time reads this table.
namespace quendal::clips {

enum class Gender { kMasculine, kFeminine };

// A whole number from 0 to 99 in words ("vinte e uma"); other numbers give "".
// Only one and two have feminine forms below a hundred.
std::string Cardinal(int number, Gender gender);

// Hours are feminine and singular up to one: "zero hora", "uma hora", "duas horas".
std::string HourText(int hour);
// Said right after the hour, so all but zero join it with "e": "e um minuto".
std::string MinuteText(int minute);
// "zero grau", "um grau", "dois graus".
std::string TemperatureText(int degrees);

struct ClipText {
  std::string name;  // relative to the program's folder, written with '/'
  std::string text;
};

// One line for every clip of the library, in the library's order.
std::vector<ClipText> ClipTexts();

}  // namespace quendal::clips
