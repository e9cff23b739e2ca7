#include "ui/win32/platform/Win32Clock.h"

#include <windows.h>

namespace quendal::win32 {
namespace {

constexpr std::int64_t kFileTimeUnitsPerMs = 10000;

std::int64_t MsOfDay(const SYSTEMTIME& time) {
  return ((time.wHour * 60 + time.wMinute) * 60 + time.wSecond) * 1000LL + time.wMilliseconds;
}

}  // namespace

LocalTime Win32Clock::Now() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  if (offsetMs_ != 0) {
    FILETIME asFileTime;
    SystemTimeToFileTime(&local, &asFileTime);
    ULARGE_INTEGER units{};
    units.LowPart = asFileTime.dwLowDateTime;
    units.HighPart = asFileTime.dwHighDateTime;
    units.QuadPart += static_cast<ULONGLONG>(offsetMs_ * kFileTimeUnitsPerMs);
    asFileTime.dwLowDateTime = units.LowPart;
    asFileTime.dwHighDateTime = units.HighPart;
    FileTimeToSystemTime(&asFileTime, &local);
  }
  return LocalTime{local.wYear,   local.wMonth,  local.wDay,         local.wHour,
                   local.wMinute, local.wSecond, local.wMilliseconds};
}

std::int64_t Win32Clock::OffsetTo(std::int64_t secondsFromMidnight) {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return secondsFromMidnight * 1000 - MsOfDay(local);
}

}  // namespace quendal::win32
