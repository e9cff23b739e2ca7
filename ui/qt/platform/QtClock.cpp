#include "ui/qt/platform/QtClock.h"

namespace quendal {

LocalTime QtClock::Now() { return Fields(QDateTime::currentDateTime().addMSecs(offsetMs_)); }

qint64 QtClock::OffsetTo(const QTime& timeOfDay, const QDateTime& now) {
  return now.time().msecsTo(timeOfDay);
}

LocalTime QtClock::Fields(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  return LocalTime{date.year(),   date.month(),  date.day(), time.hour(),
                   time.minute(), time.second(), time.msec()};
}

}  // namespace quendal
