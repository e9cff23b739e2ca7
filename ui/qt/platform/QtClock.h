#pragma once

#include <QDateTime>
#include <QTime>
#include <QtGlobal>
#include <chrono>
#include <optional>

#include "core/platform/Clock.h"

namespace quendal {

// The local wall clock, shifted by a fixed offset so the program can be started at a
// chosen time of day and run on from there in real time.
class QtClock final : public Clock {
 public:
  explicit QtClock(qint64 offsetMs = 0) : offsetMs_(offsetMs) {}

  LocalTime Now() override;

  // The offset that makes `now` read `timeOfDay`, on the same date.
  static qint64 OffsetTo(const QTime& timeOfDay, const QDateTime& now);
  // The clock a run starts with: at the time of day asked for, or the wall clock itself.
  static qint64 OffsetFor(const std::optional<std::chrono::seconds>& startingTimeOfDay);
  static LocalTime Fields(const QDateTime& moment);

 private:
  qint64 offsetMs_;
};

}  // namespace quendal
