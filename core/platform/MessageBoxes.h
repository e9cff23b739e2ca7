#pragma once

#include <string>

namespace quendal {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Question };
enum class MsgAnswer { Ok, Yes, No };

struct MessageRequest {
  std::string text;
  std::string title;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  MsgAnswer defaultButton = MsgAnswer::Ok;
};

// Modal message boxes. Show returns the button that closed the box. While the box is
// open the program's timers keep ticking, so the controller may be re-entered from a
// tick before Show returns; user actions on the main window wait until it closes.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MsgAnswer Show(const MessageRequest& request) = 0;
};

}  // namespace quendal
