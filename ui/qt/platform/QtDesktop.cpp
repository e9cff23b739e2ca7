#include "ui/qt/platform/QtDesktop.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/Ajuda.h"
#include "ui/qt/FrmSobre.h"

namespace quendal {

void QtDesktop::Beep() { QApplication::beep(); }

void QtDesktop::ShowAbout() {
  // Made anew on every opening, so each starts from its designed state.
  FrmSobre about(window_);
  about.exec();
}

void QtDesktop::ShowHelp() {
  Ajuda help(window_);
  help.exec();
}

void QtDesktop::Repaint() {
  if (window_) window_->repaint();
}

void QtDesktop::EndProcess() {
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace quendal
