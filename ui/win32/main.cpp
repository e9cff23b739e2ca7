// quendal.exe: the Windows desktop program.

#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <string>
#include <vector>

#include "host/echolink/ComInit.h"
#include "launch/ClipFolderCheck.h"
#include "launch/LaunchOptions.h"
#include "onair/OnAirLog.h"
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

// A program without a console says it in a box, and stops with the code given.
int Stop(const std::string& message, int code) {
  MessageBoxW(nullptr, quendal::win32::Wide(message).c_str(), L"Quendal",
              code == 0 ? MB_ICONINFORMATION : MB_ICONERROR);
  return code;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  const quendal::LaunchRequest request = quendal::ParseLaunch(Arguments());
  if (request.exitCode) return Stop(request.message, *request.exitCode);
  if (request.options.checkClips) {
    const quendal::ClipCheckReport report =
        quendal::CheckClipFolder(quendal::win32::CurrentAppInfo(request.options.folder).path);
    return Stop(report.Text(), report.ExitCode());
  }
  // Opened before anything runs, so a log that cannot be written stops the program at once
  // rather than leaving the operator without the record they asked for.
  std::ofstream logFile;
  if (!request.options.logFile.empty() &&
      !quendal::onair::OpenLogFile(logFile, request.options.logFile)) {
    return Stop("Não foi possível abrir o registro " + request.options.logFile, 2);
  }
  // The host program's object lives in this thread's apartment for the whole run.
  const quendal::echolink::ComInit com;
  quendal::win32::DesktopStation station(request.options, logFile.is_open() ? &logFile : nullptr);
  station.Start(show);
  return quendal::win32::RunMessageLoop(station.HostWindow() ? station.HostWindow()->Handle()
                                                             : nullptr);
}
