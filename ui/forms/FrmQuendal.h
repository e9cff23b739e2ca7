#pragma once

#include "ui/forms/Form.h"

namespace quendal::forms {

// The main window, the program's start-up window. Its events and timers are wired to the
// controller in Events.h.
extern const Form kFrmQuendal;

}  // namespace quendal::forms
