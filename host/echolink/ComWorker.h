#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "host/echolink/EchoAutomation.h"

namespace quendal::echolink {

// A call's outcome: the host's HRESULT and the number or flag it read, if any.
struct ComAnswer {
  HRESULT result = E_FAIL;
  long value = 0;
};

// Makes the host's object; runs on the worker's thread.
using ComMaker = std::function<HRESULT(IEchoAutomation** object)>;
// One call on the object; runs on the worker's thread, so it must own all it uses.
using ComCall = std::function<ComAnswer(IEchoAutomation& object)>;

// The host's object on a thread of its own, in the multithreaded apartment, so that a
// host that hangs holds that thread and never the caller's: the caller waits for each
// call up to a deadline. A worker whose call missed its deadline is abandoned: it is
// left to finish (or to hang) on its own, releases the object after, and every later
// call on it fails at once.
class ComWorker {
 public:
  // nullptr when the object could not be made within `deadline`.
  static std::unique_ptr<ComWorker> Start(ComMaker make, std::chrono::milliseconds deadline);
  ~ComWorker();
  ComWorker(const ComWorker&) = delete;
  ComWorker& operator=(const ComWorker&) = delete;

  // nullopt when the call did not end within `deadline`, or the worker was abandoned.
  std::optional<ComAnswer> Call(ComCall call, std::chrono::milliseconds deadline);

  // Workers abandoned whose call has not ended yet: the host they wait on still hangs.
  static int StillStuck();

  struct Shared;

 private:
  explicit ComWorker(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

  std::shared_ptr<Shared> shared_;
};

}  // namespace quendal::echolink
