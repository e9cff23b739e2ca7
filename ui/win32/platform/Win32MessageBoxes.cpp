#include "ui/win32/platform/Win32MessageBoxes.h"

#include "platform/windows/WinmmSoundOutput.h"

namespace quendal::win32 {

UINT Win32MessageBoxes::Style(const MessageRequest& request, bool owned) {
  const bool yesNo = request.buttons == MsgButtons::YesNo;
  UINT style = yesNo ? MB_YESNO : MB_OK;
  if (request.icon == MsgIcon::Question) style |= MB_ICONQUESTION;
  if (yesNo && request.defaultButton == MsgAnswer::No) style |= MB_DEFBUTTON2;
  // Without an owner the box still keeps the program's windows from taking input.
  if (!owned) style |= MB_TASKMODAL | MB_SETFOREGROUND;
  return style;
}

MsgAnswer Win32MessageBoxes::Show(const MessageRequest& request) {
  // A box owned by a minimised window would be hidden with it.
  const HWND owner = owner_ && IsWindowVisible(owner_) && !IsIconic(owner_) ? owner_ : nullptr;
  const int answer =
      MessageBoxW(owner, WideFromUtf8(request.text).c_str(), WideFromUtf8(request.title).c_str(),
                  Style(request, owner != nullptr));
  switch (answer) {
    case IDYES:
      return MsgAnswer::Yes;
    case IDNO:
      return MsgAnswer::No;
    case IDOK:
      return MsgAnswer::Ok;
    default:
      return request.defaultButton;
  }
}

}  // namespace quendal::win32
