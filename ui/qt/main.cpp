// quendal: the desktop program, with the simulated station, or with --headless the
// station node with no screen.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "host/echolink/ComInit.h"
#endif
#include "launch/ClipFolderCheck.h"
#include "launch/LaunchOptions.h"
#include "onair/OnAirLog.h"
#include "ui/qt/DesktopStation.h"
#include "ui/qt/Look.h"
#include "ui/qt/Screenshots.h"
#include "ui/qt/art/Artwork.h"
#include "ui/qt/platform/QtAppInfo.h"
#ifdef QUENDAL_WITH_HEADLESS
#include "ui/qt/headless/HeadlessNode.h"
#endif

int main(int argc, char** argv) {
  // Read before the application object exists, so --help and a wrong option answer on a
  // machine with no display at all.
  const quendal::LaunchRequest request =
      quendal::ParseLaunch(std::vector<std::string>(argv, argv + argc));
  if (request.exitCode) {
    std::fputs(request.message.c_str(), *request.exitCode == 0 ? stdout : stderr);
    return *request.exitCode;
  }
  if (request.options.checkClips) {
    // Only to find the executable's folder, as the program itself would: no display needed.
    const QCoreApplication core(argc, argv);
    const quendal::ClipCheckReport report =
        quendal::CheckClipFolder(quendal::CurrentAppInfo(request.options.folder).path);
    std::fputs(report.Text().c_str(), stdout);
    return report.ExitCode();
  }

  // Opened before anything runs, so a log that cannot be written stops the program at once
  // rather than leaving the operator without the record they asked for.
  std::ofstream logFile;
  if (!request.options.logFile.empty()) {
    if (!quendal::onair::OpenLogFile(logFile, request.options.logFile)) {
      std::fprintf(stderr, "quendal: não foi possível abrir o registro %s\n",
                   request.options.logFile.c_str());
      return 2;
    }
  }
#ifdef QUENDAL_WITH_HEADLESS
  if (request.options.headless) {
    return quendal::RunHeadless(argc, argv, request.options,
                                logFile.is_open() ? logFile : std::cerr);
  }
#endif

#ifdef _WIN32
  // The host program's object lives in this thread's apartment for the whole run.
  const quendal::echolink::ComInit com;
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quendal");
  QApplication::setApplicationVersion(QUENDAL_VERSION);

  // The toolkit's own words (the Yes and No of a message box) in the desktop's language,
  // where its translations are installed.
  QTranslator toolkitTexts;
  if (toolkitTexts.load(QLocale(), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&toolkitTexts);
  }

  // One style everywhere, so the designed colours are drawn the same on every desktop.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setFont(quendal::DefaultFont());
  QApplication::setWindowIcon(quendal::WindowIcon());

  quendal::DesktopStation station(request.options, logFile.is_open() ? &logFile : nullptr);
  station.Start();
  if (!request.options.screenshotFolder.empty()) {
    return quendal::WriteScreenshots(station,
                                     QString::fromStdString(request.options.screenshotFolder));
  }
  return QApplication::exec();
}
