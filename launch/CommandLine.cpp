#include "launch/CommandLine.h"

#include <algorithm>

namespace quendal {
namespace {

const CommandOption* Find(std::span<const CommandOption> options, std::string_view arg) {
  const bool isLong = arg.starts_with("--");
  const std::string_view name = isLong ? arg.substr(2) : arg.substr(1);
  for (const CommandOption& option : options) {
    if (isLong ? option.name == name : (!option.shortName.empty() && option.shortName == name)) {
      return &option;
    }
  }
  return nullptr;
}

std::string Synopsis(const CommandOption& option) {
  std::string text = option.shortName.empty() ? "    " : "-" + std::string(option.shortName) + ", ";
  text += "--" + std::string(option.name);
  if (!option.valueName.empty()) text += " <" + std::string(option.valueName) + ">";
  return text;
}

// Columns on a terminal: UTF-8 continuation bytes take none.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::ranges::count_if(
      text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

bool ParsedCommandLine::IsSet(std::string_view name) const {
  return std::ranges::any_of(values, [&](const auto& value) { return value.first == name; });
}

std::string ParsedCommandLine::Value(std::string_view name) const {
  std::string found;
  for (const auto& [key, value] : values) {
    if (key == name) found = value;
  }
  return found;
}

ParsedCommandLine ParseCommandLine(std::span<const CommandOption> options,
                                   const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--") {
      parsed.positional.insert(parsed.positional.end(), arguments.begin() + i + 1, arguments.end());
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
    const std::string key = arg.substr(0, equals);
    const CommandOption* option = Find(options, key);
    if (option == nullptr) {
      parsed.error = "Opção desconhecida: " + key;
      return parsed;
    }
    std::string value;
    if (option->valueName.empty()) {
      if (equals != std::string::npos) {
        parsed.error = "A opção " + key + " não leva valor";
        return parsed;
      }
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      parsed.error = "Falta o valor da opção " + key;
      return parsed;
    }
    parsed.values.emplace_back(option->name, std::move(value));
  }
  return parsed;
}

std::string CommandLineHelp(std::span<const CommandOption> options, std::string_view program,
                            std::string_view description) {
  std::size_t width = 0;
  for (const CommandOption& option : options) {
    if (!option.hidden) width = std::max(width, Columns(Synopsis(option)));
  }
  std::string text =
      "Uso: " + std::string(program) + " [opções]\n" + std::string(description) + "\n\nOpções:\n";
  for (const CommandOption& option : options) {
    if (option.hidden) continue;
    const std::string synopsis = Synopsis(option);
    text += "  " + synopsis + std::string(width - Columns(synopsis) + 2, ' ') +
            std::string(option.help) + "\n";
  }
  return text;
}

}  // namespace quendal
