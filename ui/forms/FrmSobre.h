#pragma once

#include <string_view>

#include "ui/forms/Dialogs.h"
#include "ui/forms/Form.h"

namespace quendal::forms {

// The About window: the program's name, version and maker, and the maker's web page.
extern const Form kFrmSobre;
extern const std::span<const DialogButton> kFrmSobreButtons;

inline constexpr std::string_view kMakerPage = "https://korva.example.org/quendal";

}  // namespace quendal::forms
