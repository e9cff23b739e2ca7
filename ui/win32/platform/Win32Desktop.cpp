#include "ui/win32/platform/Win32Desktop.h"

#include <cstdio>
#include <filesystem>

#include "ui/forms/Ajuda.h"
#include "ui/forms/FrmSobre.h"
#include "ui/win32/DesignedDialog.h"

namespace quendal::win32 {

void Win32Desktop::ShowAbout() {
  // Made anew on every opening, so each starts from its designed state.
  DesignedDialog(forms::kFrmSobre, forms::kFrmSobreButtons).Run(window_);
}

void Win32Desktop::ShowHelp() { DesignedDialog(forms::kAjuda, forms::kAjudaButtons).Run(window_); }

void Win32Desktop::Repaint() {
  if (window_)
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Desktop::EndProcess() {
  std::fflush(nullptr);
  ExitProcess(0);
}

AppInfo CurrentAppInfo(const std::string& folder) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::filesystem::path executable(path);
  const auto utf8 = [](const std::filesystem::path& part) {
    const std::u8string text = part.u8string();
    return std::string(text.begin(), text.end());
  };
  return AppInfo{!folder.empty() ? folder : utf8(executable.parent_path()), utf8(executable.stem()),
                 "Quendal"};
}

}  // namespace quendal::win32
