#include "tests/sound/PulseSandbox.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

namespace quendal::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The full path of `program` on PATH, or "".
std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const fs::path candidate = fs::path(folder) / program;
    if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

// Runs `args` with this process's environment plus `extra`, output to `log`; -1 on failure.
// The child is killed when this process dies, so a crashed or timed-out test leaves no
// sound server behind.
pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& extra,
            const fs::path& log) {
  const std::string program = FindOnPath(args.front());
  if (program.empty()) return -1;
  std::vector<std::string> env(extra);
  for (char** entry = environ; *entry; ++entry) env.emplace_back(*entry);
  std::vector<char*> envp;
  for (auto& item : env) envp.push_back(item.data());
  envp.push_back(nullptr);
  std::vector<std::string> owned(args);
  std::vector<char*> argv;
  for (auto& item : owned) argv.push_back(item.data());
  argv.push_back(nullptr);
  const pid_t parent = ::getpid();
  const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (out < 0) return -1;

  const pid_t pid = ::fork();
  if (pid == 0) {
    // Only async-signal-safe calls until exec: other threads may hold locks.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    const int in = ::open("/dev/null", O_RDONLY);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(out, STDERR_FILENO);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out);
  return pid;
}

// Asks the process to end, then insists after two seconds.
void End(pid_t& pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  for (auto deadline = std::chrono::steady_clock::now() + 2s; std::chrono::steady_clock::now() < deadline;) {
    if (::waitpid(pid, nullptr, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    std::this_thread::sleep_for(5ms);
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  pid = -1;
}

bool Accepts(const fs::path& socketPath) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  ::close(fd);
  return ok;
}

bool Exited(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == pid; }

}  // namespace

std::string MissingPulseTool() {
  for (const char* tool : {"pulseaudio", "parec"}) {
    if (FindOnPath(tool).empty()) return tool;
  }
  return {};
}

PulseSandbox::~PulseSandbox() {
  End(pid_);
  if (!folder_.empty()) {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
}

std::string PulseSandbox::Start() {
  std::string pattern = (fs::temp_directory_path() / "quendal-pulse-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return "cannot make a folder for the sound server";
  folder_ = pattern;
  const fs::path socketPath = folder_ / "native";
  // As root the server refuses its usual per-user set-up: -n skips the default script,
  // the two modules are all it needs, and its home and runtime folders are private.
  pid_ = Spawn({"pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
                "--use-pid-file=no", "--realtime=no", "--high-priority=no", "--log-target=stderr",
                "-L", "module-null-sink sink_name=quendal_test rate=48000 channels=1",
                "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socketPath.string()},
               {"HOME=" + folder_.string(), "XDG_RUNTIME_DIR=" + folder_.string(),
                "XDG_CONFIG_HOME=" + (folder_ / "config").string(),
                "PULSE_RUNTIME_PATH=" + (folder_ / "runtime").string(),
                "PULSE_STATE_PATH=" + (folder_ / "state").string()},
               folder_ / "server.log");
  if (pid_ < 0) return "cannot start pulseaudio";
  for (auto deadline = std::chrono::steady_clock::now() + 5s; !Accepts(socketPath);) {
    if (Exited(pid_)) {
      pid_ = -1;
      return "pulseaudio stopped at start:\n" + Log();
    }
    if (std::chrono::steady_clock::now() > deadline) return "pulseaudio did not answer:\n" + Log();
    std::this_thread::sleep_for(10ms);
  }
  ::setenv("PULSE_SERVER", ("unix:" + socketPath.string()).c_str(), 1);
  return {};
}

std::string PulseSandbox::Log() const {
  std::ifstream in(folder_ / "server.log");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

MonitorRecorder::~MonitorRecorder() {
  watching_ = false;
  if (watcher_.joinable()) watcher_.join();
  End(pid_);
}

std::string MonitorRecorder::Start() {
  file_ = sandbox_.Folder() / "monitor.raw";
  // A short latency makes parec hand over small pieces, which keeps the timing tight.
  pid_ = Spawn({"parec", "-d", "quendal_test.monitor", "--raw", "--format=s16le",
                "--rate=" + std::to_string(PulseSandbox::kRate), "--channels=1", "--latency-msec=5",
                file_.string()},
               {}, sandbox_.Folder() / "parec.log");
  if (pid_ < 0) return "cannot start parec";
  watching_ = true;
  watcher_ = std::thread([this] { Watch(); });
  // parec can take a second to deliver its first samples; sound sent before that is lost.
  constexpr std::uintmax_t kEnough = PulseSandbox::kRate * 2 / 4;
  for (auto deadline = std::chrono::steady_clock::now() + 5s;;) {
    {
      std::lock_guard lock(mutex_);
      if (bytes_ >= kEnough) return {};
    }
    if (Exited(pid_)) {
      pid_ = -1;
      return "parec stopped";
    }
    if (std::chrono::steady_clock::now() > deadline) return "parec recorded nothing";
    std::this_thread::sleep_for(5ms);
  }
}

void MonitorRecorder::Watch() {
  while (watching_) {
    std::error_code error;
    const auto now = std::chrono::steady_clock::now();
    const std::uintmax_t size = fs::file_size(file_, error);
    if (!error && size > 0) {
      const auto recorded = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(double(size) / (2.0 * PulseSandbox::kRate)));
      std::lock_guard lock(mutex_);
      bytes_ = size;
      if (!haveStart_ || now - recorded < start_) start_ = now - recorded;
      haveStart_ = true;
    }
    std::this_thread::sleep_for(1ms);
  }
}

SteadyTime MonitorRecorder::TimeOfLocked(std::uintmax_t sample) const {
  return start_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                      std::chrono::duration<double>(double(sample) / PulseSandbox::kRate));
}

SteadyTime MonitorRecorder::Stretch::TimeOf(std::size_t sample) const {
  return start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                     std::chrono::duration<double>(double(sample) / PulseSandbox::kRate));
}

MonitorRecorder::Stretch MonitorRecorder::Between(SteadyTime from, SteadyTime to) {
  for (auto deadline = std::chrono::steady_clock::now() + 2s;
       std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(5ms)) {
    std::lock_guard lock(mutex_);
    if (haveStart_ && TimeOfLocked(bytes_ / 2) >= to) break;
  }
  Stretch stretch;
  std::uintmax_t first = 0;
  std::uintmax_t end = 0;
  {
    std::lock_guard lock(mutex_);
    auto sampleAt = [this](SteadyTime when) -> std::uintmax_t {
      if (when <= start_) return 0;
      return static_cast<std::uintmax_t>(std::chrono::duration<double>(when - start_).count() *
                                         PulseSandbox::kRate);
    };
    first = sampleAt(from);
    end = sampleAt(to);
    stretch.start = TimeOfLocked(first);
  }
  std::ifstream in(file_, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(2 * first));
  stretch.samples.resize(end > first ? static_cast<std::size_t>(end - first) : 0);
  in.read(reinterpret_cast<char*>(stretch.samples.data()),
          static_cast<std::streamsize>(2 * stretch.samples.size()));
  stretch.samples.resize(static_cast<std::size_t>(in.gcount()) / 2);
  return stretch;
}

Sound FindSound(const std::vector<std::int16_t>& samples, int threshold) {
  Sound sound;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (std::abs(int(samples[i])) <= threshold) continue;
    if (!sound.found) sound.first = i;
    sound.found = true;
    sound.last = i;
  }
  return sound;
}

}  // namespace quendal::test
