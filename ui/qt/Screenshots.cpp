#include "ui/qt/Screenshots.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "ui/qt/Ajuda.h"
#include "ui/qt/DesktopStation.h"
#include "ui/qt/FrmSobre.h"

namespace quendal {
namespace {

void LetRun(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool Save(QWidget& window, const QDir& folder, const char* name) {
  const QString path = folder.filePath(name);
  const bool saved = window.grab().save(path, "PNG");
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "cannot write",
               qPrintable(path));
  return saved;
}

template <typename Dialog>
bool SaveDialog(QWidget& owner, const QDir& folder, const char* name) {
  Dialog dialog(&owner);
  dialog.show();
  LetRun(300);
  return Save(dialog, folder, name);
}

}  // namespace

int WriteScreenshots(DesktopStation& station, const QString& folder) {
  const QDir target(folder);
  if (!target.mkpath(".")) {
    std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
    return 1;
  }
  LetRun(1300);
  bool saved = Save(station.Window(), target, "main-window.png");
  if (station.HostWindow() != nullptr) {
    saved = Save(*station.HostWindow(), target, "simulated-host.png") && saved;
  }
  saved = SaveDialog<FrmSobre>(station.Window(), target, "about.png") && saved;
  saved = SaveDialog<Ajuda>(station.Window(), target, "help.png") && saved;
  return saved ? 0 : 1;
}

}  // namespace quendal
