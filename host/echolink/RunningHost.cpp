#include "host/echolink/RunningHost.h"

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>

#include "host/echolink/EchoAutomation.h"

namespace quendal::echolink {
namespace {

std::wstring LocalServerCommand() {
  wchar_t clsid[64];
  if (StringFromGUID2(kEchoClass, clsid, 64) == 0) return {};
  const std::wstring key = std::wstring(L"CLSID\\") + clsid + L"\\LocalServer32";
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  DWORD size = 0;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, flags, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  std::wstring command(size / sizeof(wchar_t) + 1, L'\0');
  size = DWORD(command.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, flags, nullptr, command.data(),
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  command.resize(command.find(L'\0'));
  return command;
}

}  // namespace

std::wstring ServerExecutableName(std::wstring_view command) {
  std::wstring_view path;
  if (command.starts_with(L'"')) {
    path = command.substr(1, command.find(L'"', 1) - 1);
  } else {
    // Unquoted, a path may hold blanks: up to the ".exe" when there is one.
    std::wstring lower(command);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](wchar_t c) { return wchar_t(std::towlower(c)); });
    const std::size_t exe = lower.find(L".exe");
    path = exe != std::wstring::npos ? command.substr(0, exe + 4)
                                     : command.substr(0, command.find_first_of(L" \t"));
  }
  const std::size_t folder = path.find_last_of(L"\\/");
  return std::wstring(folder == std::wstring_view::npos ? path : path.substr(folder + 1));
}

bool HostServerRunning() {
  const std::wstring name = ServerExecutableName(LocalServerCommand());
  if (name.empty()) return false;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
       more = Process32NextW(snapshot, &entry)) {
    found = _wcsicmp(entry.szExeFile, name.c_str()) == 0;
  }
  CloseHandle(snapshot);
  return found;
}

}  // namespace quendal::echolink
