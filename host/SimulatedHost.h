#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "host/HostObject.h"

namespace quendal {

// A host with settable reception flags and link count that records what it is told.
// It lets the program run with no station attached, and is the test double of the host.
class SimulatedHost final : public HostObject {
 public:
  // One call as the host saw it. For reads `value` is what was answered ("True",
  // "False", a number); `ok` is false when the call failed.
  struct Call {
    enum class Kind { Read, Write, Play } kind;
    std::string member;
    std::string value;
    bool ok;

    // PlayAudioFile's arguments, out of its value "<path> <flag>"; the path may hold
    // blanks of its own.
    std::string PlayedPath() const { return value.substr(0, value.rfind(' ')); }
    bool PlayedFlag() const { return value.ends_with(" True"); }
  };
  using CallObserver = std::function<void(const Call&)>;

  void SetRadioReceiving(bool value) { radio_ = value; }
  void SetInternetReceiving(bool value) { internet_ = value; }
  void SetConnectedCount(std::int32_t value) { connected_ = value; }
  void FailRadioReceiving() { radio_.reset(); }
  void FailInternetReceiving() { internet_.reset(); }
  void FailConnectedCount() { connected_.reset(); }
  // Every member fails, writes and PlayAudioFile included, until a member is set again
  // (a set read member answers; writes answer again once RestoreAll is called).
  void FailAll();
  void RestoreAll();

  bool RfTransmit() const { return rf_; }
  bool IpTransmit() const { return ip_; }

  void Observe(CallObserver observer) { observer_ = std::move(observer); }

  std::optional<bool> RadioReceiving() override;
  std::optional<bool> InternetReceiving() override;
  std::optional<std::int32_t> ConnectedCount() override;
  bool SetRfTransmit(bool on) override;
  bool SetIpTransmit(bool on) override;
  bool PlayAudioFile(const std::string& path, bool flag) override;

 private:
  void Report(Call call) const;

  std::optional<bool> radio_ = false;
  std::optional<bool> internet_ = false;
  std::optional<std::int32_t> connected_ = 0;
  bool writesFail_ = false;
  bool rf_ = false;
  bool ip_ = false;
  CallObserver observer_;
};

}  // namespace quendal
