#pragma once

#include <cstdint>
#include <string_view>

namespace quendal::forms {

// What a button of the About or Help window does; neither window talks to the controller.
enum class DialogAction : std::uint8_t {
  OpenMakerPage,  // the window stays open, whether a browser opened or not
  Close,
};

struct DialogButton {
  std::string_view control;
  DialogAction action;
};

}  // namespace quendal::forms
