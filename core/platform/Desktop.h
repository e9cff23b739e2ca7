#pragma once

#include <string>

namespace quendal {

// What the program asks of its windows and of the session beyond message boxes.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void Beep() = 0;
  // Modal: return when the window is closed; timers keep ticking meanwhile.
  virtual void ShowAbout() = 0;
  virtual void ShowHelp() = 0;
  virtual void Repaint() = 0;
  // Ends the program at once. An implementation may return (the controller then does
  // nothing more), but nothing of the program may run after it.
  virtual void End() = 0;
};

// Where the program lives and what it is called.
struct AppInfo {
  std::string path;        // the executable's folder, without a trailing separator
  std::string executable;  // the executable's file name without its extension
  std::string title;       // the program's title, "Quendal"
};

}  // namespace quendal
