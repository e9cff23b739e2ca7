#include "ui/qt/platform/QtAppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quendal {

AppInfo CurrentAppInfo() {
  return AppInfo{
      QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
      QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString(),
      "Quendal"};
}

}  // namespace quendal
