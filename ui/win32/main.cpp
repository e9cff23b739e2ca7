// quendal.exe: the Windows desktop program.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "host/echolink/ComInit.h"
#include "launch/LaunchOptions.h"
#include "ui/win32/DesktopStation.h"
#include "ui/win32/Look.h"

namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(quendal::win32::Utf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  const quendal::LaunchRequest request = quendal::ParseLaunch(Arguments());
  if (request.exitCode) {
    // A program without a console says it in a box, and stops with the same code.
    MessageBoxW(nullptr, quendal::win32::Wide(request.message).c_str(), L"Quendal",
                *request.exitCode == 0 ? MB_ICONINFORMATION : MB_ICONERROR);
    return *request.exitCode;
  }
  // The host program's object lives in this thread's apartment for the whole run.
  const quendal::echolink::ComInit com;
  quendal::win32::DesktopStation station(request.options);
  station.Start(show);
  return quendal::win32::RunMessageLoop(station.HostWindow() ? station.HostWindow()->Handle()
                                                             : nullptr);
}
