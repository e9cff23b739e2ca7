#include "host/echolink/ComWorker.h"

#include <objbase.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace quendal::echolink {
namespace {

std::atomic<int> stuck{0};

// How long a worker that is let go may take to release the object, so that the object is
// gone by the time the link is; a release that takes longer goes on unwatched.
constexpr std::chrono::milliseconds kLetGo{1000};

}  // namespace

struct ComWorker::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  std::optional<HRESULT> made;  // the maker's outcome, once it has returned
  ComCall call;                 // the call waiting for the worker, if any
  std::optional<ComAnswer> answer;
  bool quit = false;
  bool abandoned = false;
  bool ended = false;
};

namespace {

void Serve(const std::shared_ptr<ComWorker::Shared>& shared, const ComMaker& make) {
  const HRESULT joined = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IEchoAutomation* object = nullptr;
  const HRESULT made = SUCCEEDED(joined) ? make(&object) : joined;
  if (FAILED(made)) object = nullptr;
  std::unique_lock lock(shared->mutex);
  shared->made = made;
  shared->changed.notify_all();
  while (object != nullptr && !shared->quit) {
    shared->changed.wait(lock, [&] { return shared->call || shared->quit; });
    if (!shared->call) continue;
    const ComCall call = std::move(shared->call);
    shared->call = nullptr;
    lock.unlock();
    const ComAnswer answer = call(*object);
    lock.lock();
    shared->answer = answer;
    shared->changed.notify_all();
  }
  if (shared->abandoned) --stuck;
  lock.unlock();
  if (object != nullptr) object->Release();
  if (SUCCEEDED(joined)) CoUninitialize();
  lock.lock();
  shared->ended = true;
  shared->changed.notify_all();
}

// Under the lock: the worker is left to itself from now on.
void Abandon(ComWorker::Shared& shared) {
  shared.abandoned = true;
  shared.quit = true;
  shared.call = nullptr;
  ++stuck;
  shared.changed.notify_all();
}

}  // namespace

std::unique_ptr<ComWorker> ComWorker::Start(ComMaker make, std::chrono::milliseconds deadline) {
  auto shared = std::make_shared<Shared>();
  try {
    std::thread([shared, make = std::move(make)] { Serve(shared, make); }).detach();
  } catch (const std::system_error&) {
    return nullptr;
  }
  std::unique_lock lock(shared->mutex);
  if (!shared->changed.wait_for(lock, deadline, [&] { return shared->made.has_value(); })) {
    Abandon(*shared);
    return nullptr;
  }
  if (FAILED(*shared->made)) return nullptr;
  return std::unique_ptr<ComWorker>(new ComWorker(shared));
}

ComWorker::~ComWorker() {
  std::unique_lock lock(shared_->mutex);
  if (shared_->abandoned) return;
  shared_->quit = true;
  shared_->changed.notify_all();
  shared_->changed.wait_for(lock, kLetGo, [&] { return shared_->ended; });
}

std::optional<ComAnswer> ComWorker::Call(ComCall call, std::chrono::milliseconds deadline) {
  std::unique_lock lock(shared_->mutex);
  if (shared_->abandoned || shared_->quit) return std::nullopt;
  shared_->call = std::move(call);
  shared_->answer.reset();
  shared_->changed.notify_all();
  if (!shared_->changed.wait_for(lock, deadline, [&] { return shared_->answer.has_value(); })) {
    Abandon(*shared_);
    return std::nullopt;
  }
  return shared_->answer;
}

int ComWorker::StillStuck() { return stuck.load(); }

}  // namespace quendal::echolink
