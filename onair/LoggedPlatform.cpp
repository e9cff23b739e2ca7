#include "onair/LoggedPlatform.h"

#include "onair/OnAirEvents.h"

namespace quendal::onair {

std::optional<bool> LoggedHost::RadioReceiving() {
  return Watched([&] { return host_->RadioReceiving(); });
}

std::optional<bool> LoggedHost::InternetReceiving() {
  return Watched([&] { return host_->InternetReceiving(); });
}

std::optional<std::int32_t> LoggedHost::ConnectedCount() {
  return Watched([&] { return host_->ConnectedCount(); });
}

bool LoggedHost::SetRfTransmit(bool on) {
  const bool taken = Watched([&] { return host_->SetRfTransmit(on); });
  log_.Write(TransmitEvent("RfTransmit", on, taken));
  return taken;
}

bool LoggedHost::SetIpTransmit(bool on) {
  const bool taken = Watched([&] { return host_->SetIpTransmit(on); });
  log_.Write(TransmitEvent("IpTransmit", on, taken));
  return taken;
}

bool LoggedHost::PlayAudioFile(const std::string& path, bool flag) {
  const bool taken = Watched([&] { return host_->PlayAudioFile(path, flag); });
  log_.Write(PlayAudioFileEvent(RelativePath(folder_, path), flag, taken));
  return taken;
}

std::shared_ptr<HostObject> LoggedHostFactory::Logged(std::shared_ptr<HostObject> host) {
  if (!host) return host;
  return std::make_shared<LoggedHost>(std::move(host), log_, folder_);
}

bool LoggedSound::Play(const std::string& path) {
  if (!log_.Enabled()) return sound_.Play(path);  // no look at the file for nobody
  const bool present = files_.ExisteArquivo(path);
  const bool started = sound_.Play(path);
  log_.Write(PlaySoundEvent(RelativePath(folder_, path), present, started));
  return started;
}

MsgAnswer LoggedMessageBoxes::Show(const MessageRequest& request) {
  log_.Write(MsgBoxEvent(request));
  const MsgAnswer answer = boxes_.Show(request);
  log_.Write(MsgBoxClosedEvent(answer));
  return answer;
}

}  // namespace quendal::onair
