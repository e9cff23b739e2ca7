#include "options/OptionsFile.h"

#include <charconv>

#include "core/TextRules.h"

namespace quendal {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kBoxLines = kFileOrder.size();

bool IsValidBoxValue(std::int16_t value) { return value >= kCleared && value <= kGreyed; }

}  // namespace

std::string FormatOptionsFile(const OptionSet& options) {
  std::string file;
  for (Box box : kFileOrder) {
    file += options.IsSet(box) ? " 1 " : " 0 ";
    file += kLineEnd;
  }
  file += options.Text1();
  file += kLineEnd;
  return file;
}

std::optional<std::int16_t> ParseBoxLine(std::string_view line) {
  std::string_view text = TrimBlanks(line);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  std::int16_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

ApplyOutcome ApplyOptionLines(const std::vector<std::string>& lines, OptionControls& controls,
                              ApplyMode mode) {
  for (std::size_t i = 0; i < kBoxLines; ++i) {
    const std::optional<std::int16_t> value =
        i < lines.size() ? ParseBoxLine(lines[i]) : std::nullopt;
    if (value && IsValidBoxValue(*value)) {
      controls.SetValue(kFileOrder[i], *value);
    } else if (mode == ApplyMode::StopAtBadLine) {
      return {static_cast<int>(i) + 1};
    }
  }
  if (lines.size() <= kBoxLines) {
    if (mode == ApplyMode::StopAtBadLine) return {static_cast<int>(kBoxLines) + 1};
    controls.SetManualText({});
    return {};
  }
  controls.SetManualText(lines[kBoxLines]);
  return {};
}

}  // namespace quendal
