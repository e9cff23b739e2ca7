#include "ui/LaunchOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace quendal {

std::optional<QTime> ParseTimeOfDay(const QString& text) {
  static const QRegularExpression pattern(R"(^(\d{1,2}):(\d{2})(?::(\d{2}))?$)");
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QTime time(match.captured(1).toInt(), match.captured(2).toInt(),
                   match.captured(3).isEmpty() ? 0 : match.captured(3).toInt());
  if (!time.isValid()) return std::nullopt;
  return time;
}

LaunchRequest ParseLaunch(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Quendal: anuncia a hora e a temperatura para a estação de rádio.\n"
      "Sem opções, roda com a estação simulada.");
  const QCommandLineOption help({"h", "help"}, "Mostra esta ajuda e sai.");
  const QCommandLineOption clock(
      "clock",
      "Começa o relógio do programa na hora dada (HH:MM ou HH:MM:SS); depois ele "
      "anda em tempo real.",
      "HH:MM[:SS]");
  QCommandLineOption screenshot("screenshot", "Grava imagens das janelas na pasta e sai.", "PASTA");
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(help);
  parser.addOption(clock);
  parser.addOption(screenshot);

  LaunchRequest request;
  if (!parser.parse(arguments)) {
    request.exitCode = 2;
    request.message = parser.errorText() + "\n" + parser.helpText();
    return request;
  }
  if (parser.isSet(help)) {
    request.exitCode = 0;
    request.message = parser.helpText();
    return request;
  }
  if (!parser.positionalArguments().isEmpty()) {
    request.exitCode = 2;
    request.message =
        "Argumento inesperado: " + parser.positionalArguments().first() + "\n" + parser.helpText();
    return request;
  }
  if (parser.isSet(clock)) {
    request.options.clock = ParseTimeOfDay(parser.value(clock));
    if (!request.options.clock) {
      request.exitCode = 2;
      request.message =
          "Hora inválida para --clock: " + parser.value(clock) + " (use HH:MM ou HH:MM:SS)\n";
      return request;
    }
  }
  request.options.screenshotFolder = parser.value(screenshot);
  return request;
}

}  // namespace quendal
