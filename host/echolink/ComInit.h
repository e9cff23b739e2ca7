#pragma once

#include <windows.h>

namespace quendal::echolink {

// Joins the calling thread to a single-threaded COM apartment for the object's life. The
// host link is created and used on that thread only, the window's thread. Hold one at
// the top of main, so it outlives every COM object the program makes.
class ComInit {
 public:
  ComInit();
  ~ComInit();
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;

  // False when the thread could not join, for instance because it already lives in the
  // multithreaded apartment; the object then leaves COM as it found it.
  bool Joined() const { return SUCCEEDED(result_); }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

}  // namespace quendal::echolink
