#include "ui/forms/SimulatedStation.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "clips/WavInfo.h"
#include "core/platform/Clock.h"
#include "core/platform/SoundOutput.h"

namespace quendal::forms {
namespace {

using K = StationKind;

// clang-format off
constexpr StationControl kControls[] = {
  {"", K::Group, "O que a estação informa", 8, 6, 364, 134},
  {kRadioReceiving, K::Check, "Rádio recebendo", 20, 26, 300, 20},
  {kInternetReceiving, K::Check, "Internet recebendo", 20, 50, 300, 20},
  {"", K::Text, "Estações conectadas:", 20, 80, 130, 20},
  {kConnectedCount, K::Number, "", 160, 77, 70, 22},
  {kHostOffline, K::Check, "Estação fora do ar (toda chamada falha)", 20, 108, 340, 20},
  {"", K::Group, "O que o Quendal pede", 8, 148, 364, 264},
  {"", K::Text, "Transmissor (RfTransmit):", 20, 170, 190, 20},
  {kRfTransmit, K::State, "", 220, 170, 140, 20},
  {"", K::Text, "Transmissão IP (IpTransmit):", 20, 194, 190, 20},
  {kIpTransmit, K::State, "", 220, 194, 140, 20},
  {"", K::Text, "Arquivos entregues (PlayAudioFile):", 20, 220, 340, 20},
  {kHandedFiles, K::List, "", 20, 242, 340, 160},
};
// clang-format on

// What a file that cannot be measured is given: about the length of the system sound
// the sound card plays in its place.
constexpr std::chrono::milliseconds kUnmeasured{1000};

std::string Stamped(const LocalTime& now, const std::string& path, bool ok) {
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d  ", now.hour, now.minute, now.second);
  return stamp + path + (ok ? "" : "  (falhou)");
}

}  // namespace

const std::span<const StationControl> kStationControls = kControls;

StationPresenter::StationPresenter(SimulatedHost& host, SoundOutput& sound, Clock& clock,
                                   StationPanel& panel, Length length)
    : host_(host), sound_(sound), clock_(clock), panel_(panel), length_(std::move(length)) {
  host_.Observe([this](const SimulatedHost::Call& call) { OnCall(call); });
}

StationPresenter::~StationPresenter() { host_.Observe(nullptr); }

void StationPresenter::Apply(const StationSettings& settings) {
  if (settings.offline) {
    host_.FailAll();
  } else {
    host_.RestoreAll();
    host_.SetRadioReceiving(settings.radioReceiving);
    host_.SetInternetReceiving(settings.internetReceiving);
    host_.SetConnectedCount(settings.connectedCount);
  }
  ShowTransmitters();
}

void StationPresenter::OnCall(const SimulatedHost::Call& call) {
  using Kind = SimulatedHost::Call::Kind;
  if (call.kind == Kind::Write) {
    ShowTransmitters();
  } else if (call.kind == Kind::Play) {
    const std::string path = call.PlayedPath();
    panel_.AddHandedFile(Stamped(clock_.Now(), path, call.ok));
    if (!call.ok) return;
    queue_.push_back(path);
    if (!playing_) PlayNext();
  }
}

void StationPresenter::ShowTransmitters() {
  const auto show = [this](std::string_view state, bool on) {
    panel_.ShowState(state, on ? "LIGADO" : "desligado", on);
  };
  show(kRfTransmit, host_.RfTransmit());
  show(kIpTransmit, host_.IpTransmit());
}

void StationPresenter::PlaybackEnded() {
  playing_ = false;
  PlayNext();
}

void StationPresenter::PlayNext() {
  if (queue_.empty()) return;
  const std::string path = std::move(queue_.front());
  queue_.pop_front();
  sound_.Play(path);
  const std::chrono::milliseconds length = length_(path);
  playing_ = true;
  panel_.ArmPlayback(length.count() > 0 ? length : kUnmeasured);
}

std::chrono::milliseconds StationPresenter::WavLength(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const WavInfo info = ReadWavInfo(bytes);
  return info.error.empty() ? info.Duration() : std::chrono::milliseconds(0);
}

}  // namespace quendal::forms
