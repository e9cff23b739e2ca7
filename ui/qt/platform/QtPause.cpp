#include "ui/qt/platform/QtPause.h"

#include <QEventLoop>
#include <QTimer>

#include "ui/qt/platform/EventGate.h"

namespace quendal {

void QtPause::Sleep(std::chrono::milliseconds duration) {
  gate_.BeginPause();
  QEventLoop loop;
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
  wake.start(duration);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  gate_.EndPause();
}

}  // namespace quendal
