#include "ui/qt/platform/QtAppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quendal {

AppInfo CurrentAppInfo(const std::string& folder) {
  return AppInfo{
      !folder.empty()
          ? folder
          : QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
      QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString(),
      "Quendal"};
}

}  // namespace quendal
