#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace quendal {

// SIGHUP as an event of the loop: the handler only writes a byte to a pipe, and `hangup`
// runs from the loop, where the program may do anything. Several signals before the loop
// gets to them run it once. One per process.
class HangupSignal final : public QObject {
  Q_OBJECT

 public:
  explicit HangupSignal(std::function<void()> hangup);
  ~HangupSignal() override;

  // False when the signal could not be caught; it then keeps its default meaning.
  bool Installed() const { return notifier_ != nullptr; }

 private:
  void Drain();

  std::function<void()> hangup_;
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quendal
