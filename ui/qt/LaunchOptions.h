#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

#include "host/drivers/HostDrivers.h"

namespace quendal {

// What the command line asks of a run.
struct LaunchOptions {
  std::optional<QTime> clock;  // the time of day the program's clock starts at
  HostChoice host = DefaultHostChoice();
  QString screenshotFolder;  // hidden: write pictures of the windows there and stop
};

// Either options to run with, or a text to print and an exit code to stop with.
struct LaunchRequest {
  LaunchOptions options;
  std::optional<int> exitCode;
  QString message;
};

// `arguments` includes the program name first, as QCoreApplication::arguments() gives.
LaunchRequest ParseLaunch(const QStringList& arguments);

// "HH:MM" or "HH:MM:SS", 24-hour; nullopt for anything else.
std::optional<QTime> ParseTimeOfDay(const QString& text);

}  // namespace quendal
