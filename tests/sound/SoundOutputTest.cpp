// The Qt sound adapter against a private PulseAudio server with one null sink, which
// parec records into a file from the start: what the adapter plays is looked for there.
// The caller sleeps after each Play, as the announcements do between clips.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include <cmath>
#include <csignal>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include "tests/support/ScratchFolder.h"
#include "ui/qt/sound/QtSoundOutput.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kRate = 48000;  // of the null sink and of the recording, mono 16-bit

// Runs `args` from PATH, its output to `out` if given; killed when this process dies.
pid_t Spawn(std::vector<std::string> args, int out = -1) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (out >= 0) ::dup2(out, STDOUT_FILENO);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  if (out >= 0) ::close(out);
  return pid;
}

// The adapter's warnings ("quendal.sound"), kept for the tests and still printed.
std::mutex warningsMutex;
std::vector<std::string> warnings;

std::vector<std::string> TakeWarnings() {
  std::lock_guard lock(warningsMutex);
  return std::exchange(warnings, {});
}

class QtSoundOutputOnPulse : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::system(
            "{ command -v pulseaudio && command -v parec && command -v sox; } >/dev/null") != 0)
      return;
    folder_ = std::make_unique<ScratchFolder>();
    // Settings and sockets stay in the folder: the server runs as root too, and neither
    // it nor the adapter reads anything of the user's.
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH"}) {
      ::setenv(name, folder_->Path().c_str(), 1);
    }
    const fs::path socket = *folder_ / "native";
    pids_[0] = Spawn({"pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1",
                      "--use-pid-file=no", "--realtime=no", "--log-level=error", "-L",
                      "module-null-sink sink_name=quendal_test rate=48000 channels=1", "-L",
                      "module-native-protocol-unix auth-anonymous=1 socket=" + socket.string()});
    for (int i = 0; i < 500 && !fs::exists(socket); ++i) std::this_thread::sleep_for(10ms);
    ::setenv("PULSE_SERVER", ("unix:" + socket.string()).c_str(), 1);
    // A short latency makes parec write small pieces, which keeps the timing tight.
    pids_[1] = Spawn({"parec", "-d", "quendal_test.monitor", "--raw", "--format=s16le",
                      "--rate=48000", "--channels=1", "--latency-msec=5"},
                     ::open(Recording().c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    // Sound sent before parec's first samples would be lost.
    for (int i = 0; i < 1000 && Mark() < kRate / 4; ++i) std::this_thread::sleep_for(10ms);
  }
  static void TearDownTestSuite() {
    for (pid_t pid : pids_) {
      if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
    }
    folder_.reset();
  }
  void SetUp() override {
    if (!folder_)
      GTEST_SKIP() << "no sound server to test against: pulseaudio, parec or sox is missing";
    ASSERT_GE(Mark(), std::size_t(kRate / 4)) << "pulseaudio or parec did not start";
    TakeWarnings();
  }

  static fs::path Recording() { return *folder_ / "recording.raw"; }
  static std::size_t Mark() { return fs::exists(Recording()) ? fs::file_size(Recording()) / 2 : 0; }

  // A 440 Hz tone at -6 dBFS, mono 16-bit at 22050 Hz as the clips are.
  static fs::path Tone(const char* name, double seconds) {
    const fs::path path = *folder_ / name;
    std::system(("sox -n -r 22050 -b 16 -c 1 " + path.string() + " synth " +
                 std::to_string(seconds) + " sine 440 vol 0.5")
                    .c_str());
    return path;
  }

  // Plays each clip and sleeps the time given after it; how long the sound that reached
  // the sink from the first on lasted, counting what is louder than about -30 dBFS.
  static double Play(std::vector<std::pair<fs::path, std::chrono::milliseconds>> clips) {
    const std::size_t mark = Mark();
    {
      QtSoundOutput sound;
      for (const auto& [clip, sleep] : clips) {
        EXPECT_TRUE(sound.Play(clip.string()));
        std::this_thread::sleep_for(sleep);
      }
    }
    std::this_thread::sleep_for(100ms);  // parec lags a little
    const std::string raw = ReadBytes(Recording());
    std::vector<std::int16_t> samples(raw.size() / 2);
    std::memcpy(samples.data(), raw.data(), 2 * samples.size());
    const auto loud = [](std::int16_t sample) { return std::abs(sample) > 1000; };
    const auto first = std::find_if(samples.begin() + std::ptrdiff_t(mark), samples.end(), loud);
    if (first == samples.end()) return 0;
    return double(std::find_if(samples.rbegin(), samples.rend(), loud).base() - 1 - first) / kRate;
  }

  static inline std::unique_ptr<ScratchFolder> folder_;
  static inline pid_t pids_[2] = {-1, -1};
};

TEST_F(QtSoundOutputOnPulse, playsTheWholeClipWhileTheCallerSleeps) {
  EXPECT_NEAR(Play({{Tone("clip.wav", 0.6), 1000ms}}), 0.6, 0.03);
  EXPECT_TRUE(TakeWarnings().empty());
}

TEST_F(QtSoundOutputOnPulse, cutsOffTheClipStillPlayingWhenTheNextStarts) {
  // 0.4 s of the first clip, then the whole second one; not the 1.5 s of the first.
  EXPECT_NEAR(Play({{Tone("long.wav", 1.5), 400ms}, {Tone("short.wav", 0.3), 800ms}}), 0.7, 0.04);
}

TEST_F(QtSoundOutputOnPulse, playsTheStandInForAMissingClipOrAFileThatIsNoClipAndSaysWhich) {
  WriteBytes(*folder_ / "tmp020.wav", "not a sound");
  for (const fs::path& clip : {*folder_ / "hora/hrs07.wav", *folder_ / "tmp020.wav"}) {
    EXPECT_GT(Play({{clip, 700ms}}), 0.2) << clip;
    const auto said = TakeWarnings();
    ASSERT_EQ(said.size(), 1u) << clip;
    EXPECT_NE(said[0].find(clip.filename().string()), std::string::npos) << said[0];
  }
}

// Run in a process of its own: Qt's audio back end connects once per process.
TEST(NoAudioDevice, playsNothingReportsFalseAndWarnsOnlyOnce) {
  ::setenv("PULSE_SERVER", "unix:/nonexistent/quendal/native", 1);
  QtSoundOutput sound;
  EXPECT_FALSE(sound.Play("/no/such/clip.wav"));
  EXPECT_FALSE(sound.Play("/no/other/clip.wav"));
  EXPECT_EQ(TakeWarnings().size(), 1u);
}

QtMessageHandler qtHandler = nullptr;

void KeepWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && context.category == std::string("quendal.sound")) {
    std::lock_guard lock(warningsMutex);
    warnings.push_back(message.toStdString());
  }
  qtHandler(type, context, message);
}

}  // namespace
}  // namespace quendal::test

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  quendal::test::qtHandler = qInstallMessageHandler(quendal::test::KeepWarnings);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
