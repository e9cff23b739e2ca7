#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace quendal {

// The host program's automation object (`Echo`): the six members the program uses.
// Every call may fail; a failure is a value (nullopt or false), never an exception.
// Calls block the calling thread until the host answers.
class HostObject {
 public:
  virtual ~HostObject() = default;

  virtual std::optional<bool> RadioReceiving() = 0;
  virtual std::optional<bool> InternetReceiving() = 0;
  virtual std::optional<std::int32_t> ConnectedCount() = 0;
  // Returns false when the host did not take the value.
  virtual bool SetRfTransmit(bool on) = 0;
  virtual bool SetIpTransmit(bool on) = 0;
  // `path` is a full path; `flag` is always true in this program.
  virtual bool PlayAudioFile(const std::string& path, bool flag) = 0;
  // False while the link has found the host gone (its program ended or stopped
  // answering) and not yet found it again.
  virtual bool Reachable() const { return true; }
};

// Every call fails, so the controller's failure rules apply unchanged.
class UnavailableHost final : public HostObject {
 public:
  std::optional<bool> RadioReceiving() override { return std::nullopt; }
  std::optional<bool> InternetReceiving() override { return std::nullopt; }
  std::optional<std::int32_t> ConnectedCount() override { return std::nullopt; }
  bool SetRfTransmit(bool) override { return false; }
  bool SetIpTransmit(bool) override { return false; }
  bool PlayAudioFile(const std::string&, bool) override { return false; }
};

// Creates the one `Echo` object at start-up.
class HostFactory {
 public:
  virtual ~HostFactory() = default;
  // nullptr when the host cannot be reached.
  virtual std::shared_ptr<HostObject> Create() = 0;
  // What the program talks to instead when Create failed.
  virtual std::shared_ptr<HostObject> StandIn() { return std::make_shared<UnavailableHost>(); }
};

}  // namespace quendal
