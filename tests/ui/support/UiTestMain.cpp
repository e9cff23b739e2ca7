// Test entry point for the windows: one application object for all cases, on the
// offscreen platform unless the caller chose one, with the program's own style and font.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include "ui/qt/Look.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setFont(quendal::DefaultFont());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
