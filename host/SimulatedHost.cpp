#include "host/SimulatedHost.h"

namespace quendal {
namespace {

std::string BoolText(bool value) { return value ? "True" : "False"; }

template <typename T>
std::string ReadText(const std::optional<T>& value) {
  if (!value) return {};
  if constexpr (std::is_same_v<T, bool>) {
    return BoolText(*value);
  } else {
    return std::to_string(*value);
  }
}

}  // namespace

void SimulatedHost::FailAll() {
  radio_.reset();
  internet_.reset();
  connected_.reset();
  writesFail_ = true;
}

void SimulatedHost::RestoreAll() {
  if (!radio_) radio_ = false;
  if (!internet_) internet_ = false;
  if (!connected_) connected_ = 0;
  writesFail_ = false;
}

std::optional<bool> SimulatedHost::RadioReceiving() {
  Report({Call::Kind::Read, "RadioReceiving", ReadText(radio_), radio_.has_value()});
  return radio_;
}

std::optional<bool> SimulatedHost::InternetReceiving() {
  Report({Call::Kind::Read, "InternetReceiving", ReadText(internet_), internet_.has_value()});
  return internet_;
}

std::optional<std::int32_t> SimulatedHost::ConnectedCount() {
  Report({Call::Kind::Read, "ConnectedCount", ReadText(connected_), connected_.has_value()});
  return connected_;
}

bool SimulatedHost::SetRfTransmit(bool on) {
  if (!writesFail_) rf_ = on;
  Report({Call::Kind::Write, "RfTransmit", BoolText(on), !writesFail_});
  return !writesFail_;
}

bool SimulatedHost::SetIpTransmit(bool on) {
  if (!writesFail_) ip_ = on;
  Report({Call::Kind::Write, "IpTransmit", BoolText(on), !writesFail_});
  return !writesFail_;
}

bool SimulatedHost::PlayAudioFile(const std::string& path, bool flag) {
  Report({Call::Kind::Play, "PlayAudioFile", path + " " + BoolText(flag), !writesFail_});
  return !writesFail_;
}

void SimulatedHost::Report(Call call) const {
  if (observer_) observer_(call);
}

}  // namespace quendal
