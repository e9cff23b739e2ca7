#include "core/TextRules.h"

#include <cmath>
#include <cstdlib>

namespace quendal {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the UTF-8 sequence that `lead` starts; 0 for a byte no sequence starts with.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Well-formed UTF-8: no stray continuation, no overlong form, no surrogate, nothing past
// U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if (!IsContinuationByte(text[i + k])) return false;
    }
    const auto second = static_cast<unsigned char>(length > 1 ? text[i + 1] : 0x80);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
      return false;
    }
    i += length;
  }
  return true;
}

// Up to `count` bytes of `text` starting at byte `from`.
std::string_view Bytes(std::string_view text, std::size_t from, std::size_t count) {
  return from < text.size() ? text.substr(from, count) : std::string_view{};
}

// Up to `count` characters of `text` starting at the character with 0-based index `from`.
std::string_view Characters(std::string_view text, std::size_t from, std::size_t count) {
  std::size_t begin = 0;
  for (std::size_t seen = 0; begin < text.size() && seen < from; ++seen) {
    do ++begin;
    while (begin < text.size() && IsContinuationByte(text[begin]));
  }
  std::size_t end = begin;
  for (std::size_t taken = 0; end < text.size() && taken < count; ++taken) {
    do ++end;
    while (end < text.size() && IsContinuationByte(text[end]));
  }
  return text.substr(begin, end - begin);
}

std::optional<std::string> KeyOfValue(std::string_view valueText) {
  const std::optional<double> number = ReadNumber(valueText);
  if (!number) return std::nullopt;
  const long whole = static_cast<long>(std::trunc(*number));
  return TwoCharacterKey(std::to_string(whole));
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string TwoCharacterKey(std::string_view text) {
  const std::string padded = "00" + std::string(text);
  std::size_t start = padded.size();
  for (int kept = 0; kept < 2 && start > 0; ++kept) {
    do --start;
    while (start > 0 && IsContinuationByte(padded[start]));
  }
  return padded.substr(start);
}

std::optional<double> ReadNumber(std::string_view text) {
  text = TrimBlanks(text);
  std::string normalised;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) normalised += text[i++];
  bool digits = false;
  bool separator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digits = true;
      normalised += c;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
      normalised += '.';
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  // The text is now plain "[-]digits[.digits]", which strtod reads the same in any locale
  // that uses '.'; the C locale is the one in force in this program.
  return std::strtod(normalised.c_str(), nullptr);
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::vector<TemperatureLine> ScanTemperatureFile(std::string_view bytes) {
  std::vector<TemperatureLine> lines;
  std::optional<std::string> previousKey;
  for (std::string& text : SplitLines(bytes)) {
    TemperatureLine line{std::move(text), std::nullopt};
    if (line.text.find(kTemperatureKeyword) != std::string::npos) {
      // The value stands in the 14th and 15th characters wherever the keyword stands. A
      // weather program on a Windows desktop writes its ANSI code page, a byte a character
      // (a no-break space is the single byte A0): a line that is no UTF-8 counts bytes.
      const std::string_view value =
          IsUtf8(line.text) ? Characters(line.text, 13, 2) : Bytes(line.text, 13, 2);
      std::optional<std::string> key = KeyOfValue(value);
      if (!key) key = previousKey.value_or("00");
      previousKey = key;
      line.key = std::move(key);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> TemperatureKeys(std::string_view bytes) {
  std::vector<std::string> keys;
  for (TemperatureLine& line : ScanTemperatureFile(bytes)) {
    if (line.key) keys.push_back(std::move(*line.key));
  }
  return keys;
}

bool IsAcceptedTemperature(std::string_view text) {
  const std::optional<double> value = ReadNumber(text);
  return value && *value >= 0.0 && *value <= 40.0;
}

}  // namespace quendal
