#include "guard/GuardOptions.h"

#include <charconv>
#include <vector>

#include "launch/CommandLine.h"

namespace quendal::guard {
namespace {

constexpr CommandOption kOptions[] = {
    {"host", "", "NAME[=ADDRESS]", ""},
    {"limit", "", "SECONDS", ""},
    {"parent", "", "HANDLE", ""},
};

std::optional<Millis> Seconds(const std::string& text) {
  long seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc{} || end != text.data() + text.size() || seconds <= 0) return {};
  return Millis{seconds * 1000};
}

}  // namespace

std::optional<GuardOptions> ParseGuardOptions(int argc, char** argv) {
  const ParsedCommandLine parsed =
      ParseCommandLine(kOptions, std::vector<std::string>(argv, argv + argc));
  if (!parsed.error.empty() || !parsed.positional.empty()) return std::nullopt;
  const std::optional<HostChoice> choice = ParseHostChoice(parsed.Value("host"));
  if (!choice || IsSimulated(*choice)) return std::nullopt;
  GuardOptions options{*choice};
  if (parsed.IsSet("limit")) {
    const std::optional<Millis> limit = Seconds(parsed.Value("limit"));
    if (!limit) return std::nullopt;
    options.limit = *limit;
  }
  options.parent = parsed.Value("parent");
  return options;
}

}  // namespace quendal::guard
