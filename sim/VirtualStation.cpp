#include "sim/VirtualStation.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <system_error>

#include "core/ClipLibrary.h"
#include "onair/OnAirEvents.h"
#include "ui/forms/Events.h"

namespace quendal::sim {
namespace fs = std::filesystem;
namespace {

std::int64_t EpochMs(const StartTime& start) {
  using namespace std::chrono;
  const sys_days day = year_month_day{year{start.year}, month{static_cast<unsigned>(start.month)},
                                      std::chrono::day{static_cast<unsigned>(start.day)}};
  const auto moment = day + hours{start.hour} + minutes{start.minute} + seconds{start.second} +
                      milliseconds{start.millisecond};
  return duration_cast<milliseconds>(moment.time_since_epoch()).count();
}

bool Offers(const MessageRequest& request, MsgAnswer answer) {
  return request.buttons == MsgButtons::Ok ? answer == MsgAnswer::Ok : answer != MsgAnswer::Ok;
}

fs::path NewFolder() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate =
        fs::temp_directory_path() / ("quendal-sim-" + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(candidate, error)) return candidate;
  }
  return {};
}

}  // namespace

VirtualStation::VirtualStation(Scenario scenario, std::ostream& out, RunOptions options)
    : scenario_(std::move(scenario)), timeline_(out, options.verbose), options_(options) {
  for (const Action& action : scenario_.actions) {
    (action.IsUserAction() ? userActions_ : externals_).push_back(action);
  }
  startEpochMs_ = EpochMs(scenario_.start);
  nextTick_ = WholeSecondFrom(1);
}

VirtualStation::~VirtualStation() = default;

bool VirtualStation::Run(std::ostream& errors) {
  if (!PrepareFolder(errors)) return false;
  PrepareHost();

  StationController controller(Platform{*this, *this, *this, *files_, *this, *this, *this,
                                        AppInfo{folder_.string(), "quendal", "Quendal"}});
  controller.SetView(this);
  controller_ = &controller;

  while (NextExternalTime() == 0) ApplyExternal(externals_[nextExternal_++]);
  controller.Form_Load();
  Loop(scenario_.runMs, /*idle=*/true);

  controller_ = nullptr;
  return !options_.keepFolder || files_->WriteOut(errors);
}

bool VirtualStation::PrepareFolder(std::ostream& errors) {
  // Only a folder to keep is made on disk; otherwise its name is never looked up.
  folder_ = options_.keepFolder ? NewFolder() : fs::temp_directory_path() / "quendal-sim";
  if (folder_.empty()) {
    errors << "quendal-sim: cannot make a folder under " << fs::temp_directory_path() << '\n';
    return false;
  }
  files_.emplace(folder_);
  if (scenario_.clips != ClipsMode::None) {
    for (const std::string& clip : LibraryClipNames()) {
      const auto& missing = scenario_.clipsListed;
      if (std::find(missing.begin(), missing.end(), clip) != missing.end()) continue;
      if (!files_->Write(clip, {})) {
        errors << "quendal-sim: cannot write " << (folder_ / clip) << '\n';
        return false;
      }
    }
  }
  for (const FileWrite& file : scenario_.files) {
    if (!files_->Write(file.name, file.bytes)) {
      errors << "quendal-sim: cannot write " << (folder_ / file.name) << '\n';
      return false;
    }
  }
  return true;
}

void VirtualStation::PrepareHost() {
  host_->Observe([this](const SimulatedHost::Call& call) { OnHostCall(call); });
  ApplyHost(scenario_.host);
}

void VirtualStation::ApplyHost(const std::vector<HostAssignment>& assignments) {
  using Field = HostAssignment::Field;
  for (const HostAssignment& assignment : assignments) {
    const auto& value = assignment.value;
    switch (assignment.field) {
      case Field::RadioReceiving:
        value ? host_->SetRadioReceiving(*value != 0) : host_->FailRadioReceiving();
        break;
      case Field::InternetReceiving:
        value ? host_->SetInternetReceiving(*value != 0) : host_->FailInternetReceiving();
        break;
      case Field::ConnectedCount:
        value ? host_->SetConnectedCount(*value) : host_->FailConnectedCount();
        break;
      case Field::All:
        value ? host_->RestoreAll() : host_->FailAll();
        break;
      case Field::Create:
        hostCreationFails_ = true;
        break;
    }
  }
}

// ---- The event loop ----------------------------------------------------------------

void VirtualStation::Loop(std::int64_t limit, bool idle) {
  while (!stopped_) {
    // Ticks that fell due while the program was busy are gone.
    if (nextTick_ < now_) nextTick_ = WholeSecondFrom(now_);
    const std::int64_t external = NextExternalTime();
    const std::int64_t user = idle ? std::max(NextUserTime(), now_) : kNever;
    const std::int64_t tick = controller_->TimersEnabled() ? nextTick_ : kNever;
    // The run ends after what falls at its last instant; a box closes before a tick due
    // at the instant it is answered.
    const bool tickInTime = idle ? tick <= limit : tick < limit;

    if (external <= limit && external <= user && external <= tick) {
      now_ = std::max(now_, external);
      ApplyExternal(externals_[nextExternal_++]);
    } else if (user <= limit && user <= tick) {
      now_ = user;
      RunUserAction(userActions_[nextUser_++]);
    } else if (tickInTime) {
      now_ = tick;
      nextTick_ = tick + 1000;
      RunTick();
    } else {
      break;
    }
  }
  now_ = std::max(now_, limit);
  if (now_ >= scenario_.runMs) Stop();
}

void VirtualStation::RunTick() { forms::Tick(*controller_); }

void VirtualStation::RunUserAction(const Action& action) {
  StationController& controller = *controller_;
  switch (action.kind) {
    case Action::Kind::Type:
      controller.TypeText1(action.target);
      return;
    case Action::Kind::Close:
      controller.AskQuit();
      return;
    case Action::Kind::Click:
      if (const forms::ClickHandler* click = forms::FindClick(action.target)) {
        click->run(controller);
      }
      return;
    default:
      return;
  }
}

void VirtualStation::ApplyExternal(const Action& action) {
  const std::string& name = action.file.name;
  switch (action.kind) {
    case Action::Kind::Host:
      ApplyHost(action.host);
      return;
    case Action::Kind::WriteFile:
      files_->Write(name, action.file.bytes);
      return;
    case Action::Kind::RemoveFile:
      files_->Remove(name);
      return;
    case Action::Kind::Cat: {
      const std::string* bytes = files_->Find(name);
      Print("File " + name + " " + (bytes ? onair::QuotedBytes(*bytes) : "absent"));
      return;
    }
    default:
      return;
  }
}

std::int64_t VirtualStation::NextExternalTime() const {
  return nextExternal_ < externals_.size() ? externals_[nextExternal_].atMs : kNever;
}

std::int64_t VirtualStation::NextUserTime() const {
  return nextUser_ < userActions_.size() ? userActions_[nextUser_].atMs : kNever;
}

std::int64_t VirtualStation::WholeSecondFrom(std::int64_t atMs) const {
  const std::int64_t intoSecond = (startEpochMs_ + atMs) % 1000;
  return intoSecond == 0 ? atMs : atMs + (1000 - intoSecond);
}

std::string VirtualStation::Relative(const std::string& path) const {
  return onair::RelativePath(folder_.string(), path);
}

// ---- Platform services -------------------------------------------------------------

void VirtualStation::Sleep(std::chrono::milliseconds duration) {
  if (stopped_) return;
  timeline_.Detail(now_, "Pause " + std::to_string(duration.count()));
  const std::int64_t until = now_ + duration.count();
  const std::int64_t reached = std::min(until, scenario_.runMs);
  while (NextExternalTime() <= reached) {
    now_ = std::max(now_, NextExternalTime());
    ApplyExternal(externals_[nextExternal_++]);
  }
  now_ = reached;
  if (until > scenario_.runMs) {
    Stop();
    return;
  }
  nextTick_ = std::max(nextTick_, WholeSecondFrom(until));
}

MsgAnswer VirtualStation::Show(const MessageRequest& request) {
  if (stopped_) return request.defaultButton;
  Print(onair::MsgBoxEvent(request));
  MsgAnswer answer = request.defaultButton;
  if (nextAnswer_ < scenario_.answers.size()) {
    const Answer& scripted = scenario_.answers[nextAnswer_++];
    if (scripted.button && Offers(request, *scripted.button)) answer = *scripted.button;
    const std::int64_t closeAt = now_ + scripted.delayMs;
    Loop(std::min(closeAt, scenario_.runMs), /*idle=*/false);
    if (closeAt > scenario_.runMs) Stop();
    if (stopped_) return request.defaultButton;
  }
  Print(onair::MsgBoxClosedEvent(answer));
  return answer;
}

LocalTime VirtualStation::Now() {
  // The controller reads the clock a score of times in each tick.
  if (readingAt_ == now_) return reading_;
  readingAt_ = now_;
  using namespace std::chrono;
  const sys_time<milliseconds> moment{milliseconds{startEpochMs_ + now_}};
  const sys_days day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss time{moment - day};
  reading_ = LocalTime{static_cast<int>(date.year()),
                       static_cast<int>(static_cast<unsigned>(date.month())),
                       static_cast<int>(static_cast<unsigned>(date.day())),
                       static_cast<int>(time.hours().count()),
                       static_cast<int>(time.minutes().count()),
                       static_cast<int>(time.seconds().count()),
                       static_cast<int>(time.subseconds().count())};
  return reading_;
}

void VirtualStation::End() {
  Print("End");
  Stop();
}

bool VirtualStation::Play(const std::string& path) {
  if (stopped_) return true;
  Print(onair::PlaySoundEvent(Relative(path), files_->Find(path) != nullptr));
  return true;
}

std::shared_ptr<HostObject> VirtualStation::Create() {
  if (hostCreationFails_) return nullptr;
  return host_;
}

std::shared_ptr<HostObject> VirtualStation::StandIn() {
  host_->FailAll();
  return host_;
}

void VirtualStation::OnHostCall(const SimulatedHost::Call& call) {
  if (stopped_) return;
  using Kind = SimulatedHost::Call::Kind;
  switch (call.kind) {
    case Kind::Read:
      if (!timeline_.Verbose()) return;
      timeline_.Detail(now_, call.member + " " + (call.ok ? call.value : "failed"));
      return;
    case Kind::Write:
      Print(onair::TransmitEvent(call.member, call.value == "True", call.ok));
      return;
    case Kind::Play:
      // The path is shown relative to the folder.
      Print(onair::PlayAudioFileEvent(Relative(call.PlayedPath()), call.PlayedFlag(), call.ok));
      return;
  }
}

// ---- Timeline of the window --------------------------------------------------------

void VirtualStation::BoxChanged(Box box) {
  if (stopped_) return;
  Print(std::string(BoxName(box)) + " " + std::to_string(controller_->Options().Value(box)));
}

void VirtualStation::Text1Changed() {
  if (stopped_) return;
  Print("Text1 " + onair::Quoted(controller_->Options().Text1()));
}

void VirtualStation::DisplayChanged(DisplayField field) {
  if (stopped_) return;
  const Display& display = controller_->GetDisplay();
  const auto light = [](LightColour colour) {
    return colour == LightColour::Green ? "green" : "red";
  };
  switch (field) {
    case DisplayField::Label2:
      if (!timeline_.Verbose()) return;
      timeline_.Detail(now_, "Label2 " + onair::Quoted(display.Label2));
      return;
    case DisplayField::Label3:
      Print("Label3 " + onair::Quoted(display.Label3));
      return;
    case DisplayField::Shape1:
      Print(std::string("Shape1 ") + light(display.Shape1));
      return;
    case DisplayField::Shape2:
      Print(std::string("Shape2 ") + light(display.Shape2));
      return;
  }
}

}  // namespace quendal::sim
