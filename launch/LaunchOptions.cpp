#include "launch/LaunchOptions.h"

#include <charconv>
#include <filesystem>

#include "launch/CommandLine.h"

namespace quendal {
namespace {

// Two digits at most, all of them digits, and below `limit`.
std::optional<int> Field(std::string_view text, std::size_t maxDigits, int limit) {
  if (text.empty() || text.size() > maxDigits || text.front() < '0' || text.front() > '9') {
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value >= limit) {
    return std::nullopt;
  }
  return value;
}

std::string HelpText(std::span<const CommandOption> options, const std::string& programPath) {
  return CommandLineHelp(options, std::filesystem::path(programPath).filename().string(),
                         kLaunchDescription);
}

// `text` (UTF-8, as every path the program builds) as an absolute folder without a trailing
// separator, since the clip paths are built from it after the current folder may have
// changed; nullopt unless it names a folder.
std::optional<std::string> AbsoluteFolder(const std::string& text) {
  std::error_code error;
  const std::u8string utf8(text.begin(), text.end());
  std::filesystem::path folder = std::filesystem::absolute(utf8, error).lexically_normal();
  if (text.empty() || error || !std::filesystem::is_directory(folder, error)) return std::nullopt;
  // A root keeps its separator: "C:" alone is a drive's current folder.
  if (!folder.has_filename() && folder != folder.root_path()) folder = folder.parent_path();
  const std::u8string normal = folder.u8string();
  return std::string(normal.begin(), normal.end());
}

}  // namespace

std::optional<std::chrono::seconds> ParseTimeOfDay(std::string_view text) {
  const std::size_t first = text.find(':');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find(':', first + 1);
  const auto hours = Field(text.substr(0, first), 2, 24);
  const auto minutes = Field(text.substr(first + 1, second - first - 1), 2, 60);
  if (minutes && text.substr(first + 1, second - first - 1).size() != 2) return std::nullopt;
  std::optional<int> seconds = 0;
  if (second != std::string_view::npos) {
    seconds = text.size() - second - 1 == 2 ? Field(text.substr(second + 1), 2, 60) : std::nullopt;
  }
  if (!hours || !minutes || !seconds) return std::nullopt;
  return std::chrono::hours(*hours) + std::chrono::minutes(*minutes) +
         std::chrono::seconds(*seconds);
}

std::vector<CommandOption> LaunchCommandOptions() {
  static const std::string hostHelp = HostChoiceHelp();
  std::vector<CommandOption> options{
      {"help", "h", "", "Mostra esta ajuda e sai."},
      {"clock", "", "HH:MM[:SS]",
       "Começa o relógio do programa na hora dada (HH:MM ou HH:MM:SS); depois ele anda em "
       "tempo real."},
      {"host", "", "ESTAÇÃO", hostHelp},
  };
#ifndef _WIN32
  // A Windows program with windows has no service mode: the node is the POSIX program's.
  options.push_back({"headless", "", "",
                     "Sem janela, como serviço: o registro do que vai ao ar sai no erro padrão "
                     "e as mensagens são respondidas na hora com o botão padrão. SIGHUP relê "
                     "quendal.txt (como \"Lê as opções\"); SIGTERM e SIGINT desligam o "
                     "transmissor e encerram."});
#endif
  options.insert(options.end(),
                 {{"log", "", "ARQUIVO",
                   "Acrescenta ao arquivo o registro do que vai ao ar, um evento por linha com "
                   "a hora local."},
                  {"folder", "", "PASTA",
                   "Procura hora/, temperatura/ e temperatura.html nesta pasta, e não na do "
                   "programa."},
                  {"check-clips", "", "",
                   "Confere os arquivos de hora/ e temperatura/ que o programa tocaria (com "
                   "--folder, os dessa pasta): diz numa linha cada arquivo que falta, que não "
                   "é um WAV que o som toque, que não tem som ou que dura mais que a pausa "
                   "depois dele, e sai com 0 quando está tudo certo e 1 quando não."},
                  {"screenshot", "", "PASTA", "Grava imagens das janelas na pasta e sai.", true}});
  return options;
}

LaunchRequest ParseLaunch(const std::vector<std::string>& arguments) {
  const std::vector<CommandOption> options = LaunchCommandOptions();
  const std::string program = arguments.empty() ? "quendal" : arguments.front();
  const ParsedCommandLine parsed = ParseCommandLine(options, arguments);

  LaunchRequest request;
  const auto stop = [&](int code, std::string message) {
    request.exitCode = code;
    request.message = std::move(message);
    return request;
  };
  if (!parsed.error.empty()) return stop(2, parsed.error + "\n" + HelpText(options, program));
  if (parsed.IsSet("help")) return stop(0, HelpText(options, program));
  if (!parsed.positional.empty()) {
    return stop(2, "Argumento inesperado: " + parsed.positional.front() + "\n" +
                       HelpText(options, program));
  }
  if (parsed.IsSet("clock")) {
    request.options.clock = ParseTimeOfDay(parsed.Value("clock"));
    if (!request.options.clock) {
      return stop(
          2, "Hora inválida para --clock: " + parsed.Value("clock") + " (use HH:MM ou HH:MM:SS)\n");
    }
  }
  if (parsed.IsSet("host")) {
    const std::optional<HostChoice> choice = ParseHostChoice(parsed.Value("host"));
    if (!choice) {
      return stop(2, "Estação inválida para --host: " + parsed.Value("host") +
                         " (estação desconhecida, endereço errado ou nome não encontrado)\n" +
                         HelpText(options, program));
    }
    request.options.host = *choice;
  }
  if (parsed.IsSet("folder")) {
    const std::optional<std::string> folder = AbsoluteFolder(parsed.Value("folder"));
    if (!folder) return stop(2, "Pasta inválida para --folder: " + parsed.Value("folder") + "\n");
    request.options.folder = *folder;
  }
  if (parsed.IsSet("log") && parsed.Value("log").empty()) {
    return stop(2, "Falta o arquivo de --log\n");
  }
  request.options.logFile = parsed.Value("log");
  request.options.headless = parsed.IsSet("headless");
  request.options.checkClips = parsed.IsSet("check-clips");
  request.options.screenshotFolder = parsed.Value("screenshot");
  return request;
}

}  // namespace quendal
