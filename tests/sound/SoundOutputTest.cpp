// The Qt sound adapter against a real sound server: what it plays is recorded from a null
// sink and looked for in the recording. The caller sleeps after each Play, as the
// announcements do between clips.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <mutex>
#include <numbers>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ui/qt/sound/QtSoundOutput.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRate = 48000;  // of the null sink and of the recording, mono 16-bit

Clock::duration Samples(double count) {
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(count / kRate));
}

// Runs `args` from PATH, its output to `out` if given; the child is killed when this
// process dies, so a crashed or timed-out test leaves no sound server behind.
pid_t Spawn(std::vector<std::string> args, int out = -1) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    // Only async-signal-safe calls until exec: other threads may hold locks.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    if (out >= 0) ::dup2(out, STDOUT_FILENO);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  if (out >= 0) ::close(out);
  return pid;
}

bool Exited(pid_t& pid) {
  if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) != pid) return false;
  pid = -1;
  return true;
}

// A private PulseAudio server with one null sink, whose monitor parec records from the
// start, so the test hears what this process sends to "the sound card" on any machine, as
// root too.
class PulseSandbox {
 public:
  ~PulseSandbox() {
    for (pid_t pid : {recorder_, server_}) {
      if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
    }
    if (reader_.joinable()) reader_.join();  // parec's end closed the pipe
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
  }

  // Starts both and points this process's PULSE_SERVER at the server. "" on success,
  // otherwise what went wrong, with the server's log.
  std::string Start() {
    std::string pattern = (fs::temp_directory_path() / "quendal-pulse-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return "cannot make a folder for the sound server";
    folder_ = pattern;
    const fs::path logFile = folder_ / "server.log";
    const auto log = [&logFile] {
      std::ifstream in(logFile);
      return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto failed = [&log](const std::string& what) { return what + ":\n" + log(); };
    // As root the server refuses its usual per-user set-up: -n skips the default script, the
    // two modules are all it needs, and its home and runtime folders are private. The test
    // keeps them too, so the sound adapter reads no settings of the user's either. It is
    // ready once its log says so.
    for (const char* name :
         {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"}) {
      ::setenv(name, folder_.c_str(), 1);
    }
    const fs::path socket = folder_ / "native";
    server_ = Spawn({"pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
                     "--use-pid-file=no", "--realtime=no", "--high-priority=no", "--log-level=info",
                     "--log-target=file:" + logFile.string(), "-L",
                     "module-null-sink sink_name=quendal_test rate=48000 channels=1", "-L",
                     "module-native-protocol-unix auth-anonymous=1 socket=" + socket.string()});
    for (auto deadline = Clock::now() + 5s;
         log().find("Daemon startup complete") == std::string::npos;
         std::this_thread::sleep_for(10ms)) {
      if (Exited(server_)) return failed("pulseaudio stopped at start");
      if (Clock::now() > deadline) return failed("pulseaudio did not answer");
    }
    ::setenv("PULSE_SERVER", ("unix:" + socket.string()).c_str(), 1);

    // A short latency makes parec hand over small pieces, which keeps the timing tight.
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) return "no pipe for parec";
    recorder_ = Spawn({"parec", "-d", "quendal_test.monitor", "--raw", "--format=s16le",
                       "--rate=48000", "--channels=1", "--latency-msec=5"},
                      pipe[1]);
    reader_ = std::thread([this, fd = pipe[0]] { Record(fd); });
    // parec can take a second to deliver its first samples; sound sent before that is lost.
    for (auto deadline = Clock::now() + 5s;; std::this_thread::sleep_for(5ms)) {
      {
        std::lock_guard lock(mutex_);
        if (raw_.size() >= kRate / 2) return {};  // a quarter of a second
      }
      if (Exited(recorder_)) return failed("parec stopped");
      if (Clock::now() > deadline) return failed("parec recorded nothing");
    }
  }

  const fs::path& Folder() const { return folder_; }

  // What reached the sink from `since` until now: whether anything louder than about
  // -30 dBFS did, how many milliseconds after `since` it began, and how long it lasted.
  struct Heard {
    bool any = false;
    double onsetMs = 0;
    double seconds = 0;
  };
  Heard Since(Clock::time_point since) {
    const auto until = Clock::now();
    std::vector<std::int16_t> samples;
    Clock::time_point start;
    for (auto deadline = until + 2s;; std::this_thread::sleep_for(5ms)) {  // parec lags a little
      std::lock_guard lock(mutex_);
      if (start_ + Samples(double(raw_.size() / 2)) < until && Clock::now() < deadline) continue;
      start = start_;
      samples.resize(raw_.size() / 2);
      std::memcpy(samples.data(), raw_.data(), 2 * samples.size());
      break;
    }
    const auto from = std::clamp<std::ptrdiff_t>(
        std::ptrdiff_t(std::chrono::duration<double>(since - start).count() * kRate), 0,
        std::ptrdiff_t(samples.size()));
    const auto loud = [](std::int16_t sample) { return std::abs(sample) > 1000; };
    const auto first = std::find_if(samples.begin() + from, samples.end(), loud);
    if (first == samples.end()) return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base() - 1;
    const auto onset = start + Samples(double(first - samples.begin())) - since;
    return {true, std::chrono::duration<double, std::milli>(onset).count(),
            double(last - first) / kRate};
  }

 private:
  // Each piece that arrives bounds the time of the recording's first sample from above
  // (parec may still hold samples back); the tightest bound is kept.
  void Record(int fd) {
    char piece[4096];
    for (ssize_t got; (got = ::read(fd, piece, sizeof piece)) > 0;) {
      const auto now = Clock::now();
      std::lock_guard lock(mutex_);
      raw_.append(piece, std::size_t(got));
      start_ = std::min(start_, now - Samples(double(raw_.size() / 2)));
    }
    ::close(fd);
  }

  fs::path folder_;
  pid_t server_ = -1;
  pid_t recorder_ = -1;
  std::thread reader_;
  std::mutex mutex_;
  std::string raw_;  // the recording so far
  Clock::time_point start_ = Clock::time_point::max();
};

// Qt's audio back end keeps the first sound server it reached for the whole process.
bool backEndConnected = false;

// Warnings of the adapter's logging category, kept for the tests and still printed.
std::mutex warningsMutex;
std::vector<std::string> warnings;
QtMessageHandler qtHandler = nullptr;

void KeepWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && context.category &&
      context.category == std::string("quendal.sound")) {
    std::lock_guard lock(warningsMutex);
    warnings.push_back(message.toStdString());
  }
  if (qtHandler) qtHandler(type, context, message);
}

std::vector<std::string> TakeWarnings() {
  std::lock_guard lock(warningsMutex);
  return std::exchange(warnings, {});
}

// A 440 Hz tone at -6 dBFS, mono 16-bit at 22050 Hz as the clips are, with 5 ms ramps at
// both ends so it starts and stops without clicks.
fs::path WriteTone(const fs::path& path, double seconds) {
  constexpr int kToneRate = 22050;
  const auto count = static_cast<std::uint32_t>(seconds * kToneRate);
  const auto le = [](std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
  };
  std::string wav = "RIFF" + le(36 + 2 * count, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                    le(kToneRate, 4) + le(2 * kToneRate, 4) + le(2, 2) + le(16, 2) + "data" +
                    le(2 * count, 4);
  for (std::uint32_t i = 0; i < count; ++i) {
    const double edge =
        std::min({1.0, (i + 1) / (0.005 * kToneRate), (count - i) / (0.005 * kToneRate)});
    const double sine = std::sin(2 * std::numbers::pi * 440 * i / kToneRate);
    wav += le(static_cast<std::uint16_t>(std::lround(16384 * edge * sine)), 2);
  }
  std::ofstream(path, std::ios::binary) << wav;
  return path;
}

class QtSoundOutputOnPulse : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::system("command -v pulseaudio >/dev/null && command -v parec >/dev/null") != 0) return;
    pulse_ = std::make_unique<PulseSandbox>();
    failure_ = pulse_->Start();
    backEndConnected = true;
  }
  static void TearDownTestSuite() { pulse_.reset(); }

  void SetUp() override {
    if (!pulse_) GTEST_SKIP() << "no sound server to test against: pulseaudio or parec is missing";
    ASSERT_EQ(failure_, "");
    TakeWarnings();
  }

  static inline std::string failure_;
  static inline std::unique_ptr<PulseSandbox> pulse_;
};

TEST_F(QtSoundOutputOnPulse, playsTheWholeClipWithin50MsWhileTheCallerSleeps) {
  const fs::path clip = WriteTone(pulse_->Folder() / "clip.wav", 0.6);
  QtSoundOutput sound;
  const auto called = Clock::now();
  EXPECT_TRUE(sound.Play(clip.string()));
  std::this_thread::sleep_for(1000ms);

  const PulseSandbox::Heard heard = pulse_->Since(called);
  ASSERT_TRUE(heard.any) << "nothing reached the sink";
  EXPECT_NEAR(heard.seconds, 0.6, 0.03);
  std::cout << "onset " << heard.onsetMs << " ms after Play\n";
  RecordProperty("onset_ms", std::to_string(heard.onsetMs));
  EXPECT_GT(heard.onsetMs, 0.0) << "the recorder's timing is off";
  EXPECT_LT(heard.onsetMs, 50.0);
  EXPECT_TRUE(TakeWarnings().empty());
}

TEST_F(QtSoundOutputOnPulse, cutsOffTheClipStillPlayingWhenTheNextStarts) {
  const fs::path longClip = WriteTone(pulse_->Folder() / "long.wav", 1.5);
  const fs::path shortClip = WriteTone(pulse_->Folder() / "short.wav", 0.3);
  QtSoundOutput sound;
  const auto called = Clock::now();
  EXPECT_TRUE(sound.Play(longClip.string()));
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(sound.Play(shortClip.string()));
  std::this_thread::sleep_for(800ms);

  // 0.4 s of the first clip, then the whole second one; not the 1.5 s of the first.
  const PulseSandbox::Heard heard = pulse_->Since(called);
  ASSERT_TRUE(heard.any);
  EXPECT_NEAR(heard.seconds, 0.7, 0.04);
}

TEST_F(QtSoundOutputOnPulse, playsTheStandInForAMissingClipOrAFileThatIsNoClipAndSaysWhich) {
  std::ofstream(pulse_->Folder() / "tmp020.wav") << "not a sound";
  for (const fs::path& clip :
       {pulse_->Folder() / "hora" / "hrs07.wav", pulse_->Folder() / "tmp020.wav"}) {
    SCOPED_TRACE(clip);
    QtSoundOutput sound;
    const auto called = Clock::now();
    EXPECT_TRUE(sound.Play(clip.string()));
    std::this_thread::sleep_for(700ms);

    const PulseSandbox::Heard heard = pulse_->Since(called);
    ASSERT_TRUE(heard.any) << "no stand-in";
    EXPECT_GT(heard.seconds, 0.2);
    const auto said = TakeWarnings();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(clip.filename().string()), std::string::npos) << said[0];
  }
}

// Runs in a process of its own: Qt's audio back end connects once per process.
TEST(NoAudioDevice, playsNothingReportsFalseAndWarnsOnlyOnce) {
  if (backEndConnected) GTEST_SKIP() << "run alone: --gtest_filter=NoAudioDevice.*";
  const fs::path nowhere = fs::temp_directory_path() / "quendal-no-sound-server" / "native";
  ::setenv("PULSE_SERVER", ("unix:" + nowhere.string()).c_str(), 1);
  const fs::path clip = WriteTone(fs::temp_directory_path() / "quendal-no-device-clip.wav", 0.2);
  TakeWarnings();
  {
    QtSoundOutput sound;
    EXPECT_FALSE(sound.Play(clip.string()));
    EXPECT_FALSE(sound.Play("/no/such/clip.wav"));
    EXPECT_FALSE(sound.Play(clip.string()));
  }
  fs::remove(clip);
  EXPECT_EQ(TakeWarnings().size(), 1u);
}

}  // namespace
}  // namespace quendal

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  quendal::qtHandler = qInstallMessageHandler(quendal::KeepWarnings);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
