#include "ui/win32/FrmQuendal.h"

#include "core/StationController.h"
#include "host/ReceptionLights.h"
#include "ui/forms/Events.h"
#include "ui/forms/FrmQuendal.h"
#include "ui/win32/platform/EventGate.h"

namespace quendal::win32 {

FrmQuendal::FrmQuendal(StationController& controller, EventGate& gate)
    : DesignedWindow(forms::kFrmQuendal), controller_(controller), gate_(gate) {
  Create(nullptr);
  view_.emplace(controller_, static_cast<forms::FormPanel&>(*this));
}

FrmQuendal::~FrmQuendal() = default;

void FrmQuendal::Clicked(std::string_view control) {
  if (const forms::ClickHandler* click = forms::FindClick(control)) {
    gate_.Run([this, click] { click->run(controller_); });
  }
}

void FrmQuendal::Edited(std::string_view control, const std::string& text) {
  for (const forms::TypingHandler& typing : forms::kTyping) {
    if (typing.control == control)
      gate_.Run([this, &typing, &text] { typing.run(controller_, text); });
  }
}

LRESULT FrmQuendal::Other(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      return Close() ? TRUE : FALSE;
    default:
      return DesignedWindow::Other(message, wParam, lParam);
  }
}

bool FrmQuendal::Close() {
  // The controller decides; the window goes only with the program.
  if (gate_.Busy()) {
    gate_.HoldClose(Handle());
    return false;
  }
  bool ended = false;
  gate_.Run([this, &ended] { ended = controller_.AskQuit(); });
  return ended;
}

}  // namespace quendal::win32
