#pragma once

#include <memory>
#include <string>

#include "host/HostObject.h"

namespace quendal {

// The working fields of the main window. `hora` and `minuto` alternate between the plain
// decimal text of the clock refresh ("9") and the two-character form an announcement
// writes ("09"), so every consumer applies the two-character rule before naming a clip.
struct StationState {
  std::string hora;
  std::string minuto;
  std::string intext;  // last line the scheduler read from the temperature file
  std::shared_ptr<HostObject> Echo;
};

}  // namespace quendal
