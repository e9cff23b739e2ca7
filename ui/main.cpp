// quendal: the desktop program, with the simulated station.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>

#include "ui/DesktopStation.h"
#include "ui/LaunchOptions.h"
#include "ui/Look.h"
#include "ui/Screenshots.h"
#include "ui/art/Artwork.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quendal");
  QApplication::setApplicationVersion(QUENDAL_VERSION);

  const quendal::LaunchRequest request = quendal::ParseLaunch(QApplication::arguments());
  if (request.exitCode) {
    std::fputs(qPrintable(request.message), *request.exitCode == 0 ? stdout : stderr);
    return *request.exitCode;
  }

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

  quendal::DesktopStation station(request.options);
  station.Start();
  if (!request.options.screenshotFolder.isEmpty()) {
    return quendal::WriteScreenshots(station, request.options.screenshotFolder);
  }
  return QApplication::exec();
}
