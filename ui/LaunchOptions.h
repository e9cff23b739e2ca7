#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

#include "host/rigctld/RigctldAddress.h"

namespace quendal {

// Which station the program drives.
struct HostChoice {
  enum class Kind { Simulated, Rigctld, EchoLink };
#ifdef _WIN32
  Kind kind = Kind::EchoLink;
#else
  Kind kind = Kind::Simulated;
#endif
  RigctldAddress rigctld;  // for Kind::Rigctld
};

// What the command line asks of a run.
struct LaunchOptions {
  std::optional<QTime> clock;  // the time of day the program's clock starts at
  HostChoice host;
  QString screenshotFolder;    // hidden: write pictures of the windows there and stop
};

// Either options to run with, or a text to print and an exit code to stop with.
struct LaunchRequest {
  LaunchOptions options;
  std::optional<int> exitCode;
  QString message;
};

// `arguments` includes the program name first, as QCoreApplication::arguments() gives.
LaunchRequest ParseLaunch(const QStringList& arguments);

// "sim", and "rigctld" or "rigctld=HOST:PORT" where POSIX sockets are, or "echolink" on
// Windows; nullopt otherwise.
std::optional<HostChoice> ParseHostChoice(const QString& text);

// "HH:MM" or "HH:MM:SS", 24-hour; nullopt for anything else.
std::optional<QTime> ParseTimeOfDay(const QString& text);

}  // namespace quendal
