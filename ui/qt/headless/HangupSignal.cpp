#include "ui/qt/headless/HangupSignal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace quendal {
namespace {

int writeEnd = -1;

void OnHangup(int) {
  const int saved = errno;
  const char byte = 'H';
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

HangupSignal::HangupSignal(std::function<void()> hangup) : hangup_(std::move(hangup)) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  writeEnd = pipe_[1];
  struct sigaction action {};
  action.sa_handler = OnHangup;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  if (::sigaction(SIGHUP, &action, nullptr) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &HangupSignal::Drain);
}

HangupSignal::~HangupSignal() {
  if (notifier_) std::signal(SIGHUP, SIG_DFL);
  notifier_.reset();
  for (const int fd : pipe_) {
    if (fd >= 0) ::close(fd);
  }
}

void HangupSignal::Drain() {
  char bytes[64];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  hangup_();
}

}  // namespace quendal
