#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendal {

// One option of a GNU-style command line: "--name VALUE", "--name=VALUE", or a flag.
struct CommandOption {
  std::string_view name;       // without the dashes
  std::string_view shortName;  // one letter, or ""
  std::string_view valueName;  // "" for a flag
  std::string_view help;
  bool hidden = false;  // accepted, but not listed in the help
};

// The options given, by name, in the order given; a repeated option keeps its last value.
struct ParsedCommandLine {
  std::vector<std::pair<std::string, std::string>> values;
  std::vector<std::string> positional;
  std::string error;  // "" when the line is well formed

  bool IsSet(std::string_view name) const;
  std::string Value(std::string_view name) const;
};

ParsedCommandLine ParseCommandLine(std::span<const CommandOption> options,
                                   const std::vector<std::string>& arguments);

// The usage line, the description and the listed options, aligned.
std::string CommandLineHelp(std::span<const CommandOption> options, std::string_view program,
                            std::string_view description);

}  // namespace quendal
