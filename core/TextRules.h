#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text rules every announcement shares: how a text becomes the two-character key of
// a clip name, how a temperature line is read, and which manual values are accepted.
namespace quendal {

// "00" put in front, last two characters kept: "7" -> "07", "100" -> "00", "" -> "00",
// "-5" -> "-5". Characters, not bytes, so a stray accented letter stays whole.
std::string TwoCharacterKey(std::string_view text);

// The platform's text-to-number reading: blanks around the number and a sign are
// accepted, the decimal separator may be '.' or ',' (a Brazilian desktop writes ',').
// nullopt when the text holds no number.
std::optional<double> ReadNumber(std::string_view text);

// Without the blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// Lines of a text file; CR LF, CR and LF all end a line.
std::vector<std::string> SplitLines(std::string_view bytes);

inline constexpr std::string_view kTemperatureKeyword = "Temperature:";

// One line of the temperature file. `key` is set for lines that carry "Temperature:",
// already resolved: the 14th and 15th characters (UTF-8 characters when the line is
// UTF-8, else bytes, as the ANSI code page has them) read as a number, truncated, made into
// a two-character key; when they are no number, the previous matching line's key, or
// "00" when there was none.
struct TemperatureLine {
  std::string text;
  std::optional<std::string> key;
};

std::vector<TemperatureLine> ScanTemperatureFile(std::string_view bytes);

// The keys of the matching lines, in file order.
std::vector<std::string> TemperatureKeys(std::string_view bytes);

// A manual temperature is accepted when it reads as a number from 0 to 40 inclusive.
bool IsAcceptedTemperature(std::string_view text);

}  // namespace quendal
