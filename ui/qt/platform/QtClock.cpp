#include "ui/qt/platform/QtClock.h"

namespace quendal {

LocalTime QtClock::Now() { return Fields(QDateTime::currentDateTime().addMSecs(offsetMs_)); }

qint64 QtClock::OffsetTo(const QTime& timeOfDay, const QDateTime& now) {
  return now.time().msecsTo(timeOfDay);
}

qint64 QtClock::OffsetFor(const std::optional<std::chrono::seconds>& startingTimeOfDay) {
  if (!startingTimeOfDay) return 0;
  const QTime timeOfDay = QTime::fromMSecsSinceStartOfDay(
      static_cast<int>(std::chrono::milliseconds(*startingTimeOfDay).count()));
  return OffsetTo(timeOfDay, QDateTime::currentDateTime());
}

LocalTime QtClock::Fields(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  return LocalTime{date.year(),   date.month(),  date.day(), time.hour(),
                   time.minute(), time.second(), time.msec()};
}

}  // namespace quendal
