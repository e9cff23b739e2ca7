#pragma once

#include <span>

#include "ui/forms/Dialogs.h"
#include "ui/forms/Form.h"

namespace quendal::forms {

// The Help window: a short help text and a button back.
extern const Form kAjuda;
extern const std::span<const DialogButton> kAjudaButtons;

// The help text as designed: eleven lines, each ended by CR LF.
extern const std::string_view kHelpText;

}  // namespace quendal::forms
