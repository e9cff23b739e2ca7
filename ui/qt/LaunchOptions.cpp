#include "ui/qt/LaunchOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
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
  const QCommandLineOption host("host", QString::fromStdString(HostChoiceHelp()), "ESTAÇÃO");
  QCommandLineOption screenshot("screenshot", "Grava imagens das janelas na pasta e sai.", "PASTA");
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(help);
  parser.addOption(clock);
  parser.addOption(host);
  parser.addOption(screenshot);

  // The parser names the program from the application object, which does not exist yet
  // when the options are read.
  const QString programName = QFileInfo(arguments.value(0)).fileName();
  const auto helpText = [&] { return parser.helpText().replace("<executable_name>", programName); };

  LaunchRequest request;
  if (!parser.parse(arguments)) {
    request.exitCode = 2;
    request.message = parser.errorText() + "\n" + helpText();
    return request;
  }
  if (parser.isSet(help)) {
    request.exitCode = 0;
    request.message = helpText();
    return request;
  }
  if (!parser.positionalArguments().isEmpty()) {
    request.exitCode = 2;
    request.message =
        "Argumento inesperado: " + parser.positionalArguments().first() + "\n" + helpText();
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
  if (parser.isSet(host)) {
    const std::optional<HostChoice> choice = ParseHostChoice(parser.value(host).toStdString());
    if (!choice) {
      request.exitCode = 2;
      request.message = "Estação inválida para --host: " + parser.value(host) +
                        " (estação desconhecida, endereço errado ou nome não encontrado)\n" +
                        helpText();
      return request;
    }
    request.options.host = *choice;
  }
  request.options.screenshotFolder = parser.value(screenshot);
  return request;
}

}  // namespace quendal
