// The Qt sound adapter against a real sound server: what it plays is recorded from a null
// sink and looked for in the recording. The caller sleeps after each Play, as the
// announcements do between clips.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/sound/PulseSandbox.h"
#include "tests/sound/TestTone.h"
#include "ui/sound/QtSoundOutput.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::PulseSandbox;

constexpr int kThreshold = 1000;  // about -30 dBFS; the tones are at -6 dBFS

// Qt's audio back end keeps the first sound server it reached for the whole process.
bool backEndConnected = false;

// Warnings of the adapter's logging category, kept for the tests and still printed.
std::mutex warningsMutex;
std::vector<std::string> warnings;
QtMessageHandler qtHandler = nullptr;

void KeepWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && context.category && std::string(context.category) == "quendal.sound") {
    std::lock_guard lock(warningsMutex);
    warnings.push_back(message.toStdString());
  }
  if (qtHandler) qtHandler(type, context, message);
}

std::vector<std::string> TakeWarnings() {
  std::lock_guard lock(warningsMutex);
  return std::exchange(warnings, {});
}

double Milliseconds(test::SteadyTime later, test::SteadyTime earlier) {
  return std::chrono::duration<double, std::milli>(later - earlier).count();
}

class QtSoundOutputOnPulse : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    skip_ = test::MissingPulseTool();
    if (!skip_.empty()) {
      skip_ += " is not installed";
      return;
    }
    server_ = std::make_unique<PulseSandbox>();
    failure_ = server_->Start();
    backEndConnected = true;
    if (!failure_.empty()) return;
    recorder_ = std::make_unique<test::MonitorRecorder>(*server_);
    failure_ = recorder_->Start();
    if (!failure_.empty()) failure_ += "\n" + server_->Log();
  }
  static void TearDownTestSuite() {
    recorder_.reset();
    server_.reset();
  }

  void SetUp() override {
    if (!skip_.empty()) GTEST_SKIP() << "no sound server to test against: " << skip_;
    ASSERT_EQ(failure_, "");
    TakeWarnings();
  }

  fs::path WriteTone(const std::string& name, double hertz, double seconds) {
    const fs::path path = server_->Folder() / name;
    EXPECT_TRUE(test::WriteWav(path, 22050, test::Tone(22050, hertz, seconds, 0.5)));
    return path;
  }

  static test::SteadyTime Now() { return std::chrono::steady_clock::now(); }

  static std::string skip_;
  static std::string failure_;
  static std::unique_ptr<PulseSandbox> server_;
  static std::unique_ptr<test::MonitorRecorder> recorder_;
};

std::string QtSoundOutputOnPulse::skip_;
std::string QtSoundOutputOnPulse::failure_;
std::unique_ptr<PulseSandbox> QtSoundOutputOnPulse::server_;
std::unique_ptr<test::MonitorRecorder> QtSoundOutputOnPulse::recorder_;

TEST_F(QtSoundOutputOnPulse, playsTheWholeClipWithin50MsWhileTheCallerSleeps) {
  const fs::path clip = WriteTone("clip.wav", 440, 0.6);
  QtSoundOutput sound;

  const auto called = Now();
  EXPECT_TRUE(sound.Play(clip.string()));
  std::this_thread::sleep_for(1000ms);

  const auto recorded = recorder_->Between(called, Now());
  const test::Sound heard = test::FindSound(recorded.samples, kThreshold);
  ASSERT_TRUE(heard.found) << "nothing reached the sink";
  EXPECT_NEAR(heard.Seconds(), 0.6, 0.03);
  const double onset = Milliseconds(recorded.TimeOf(heard.first), called);
  std::cout << "onset " << onset << " ms after Play\n";
  RecordProperty("onset_ms", std::to_string(onset));
  EXPECT_GT(onset, 0.0) << "the recorder's timing is off";
  EXPECT_LT(onset, 50.0);
  EXPECT_TRUE(TakeWarnings().empty());
}

TEST_F(QtSoundOutputOnPulse, cutsOffTheClipStillPlayingWhenTheNextStarts) {
  const fs::path longClip = WriteTone("long.wav", 440, 1.5);
  const fs::path shortClip = WriteTone("short.wav", 660, 0.3);
  QtSoundOutput sound;

  const auto called = Now();
  EXPECT_TRUE(sound.Play(longClip.string()));
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(sound.Play(shortClip.string()));
  std::this_thread::sleep_for(800ms);

  // 0.4 s of the first clip, then the whole second one; not the 1.5 s of the first.
  const auto recorded = recorder_->Between(called, Now());
  const test::Sound heard = test::FindSound(recorded.samples, kThreshold);
  ASSERT_TRUE(heard.found);
  EXPECT_NEAR(heard.Seconds(), 0.7, 0.04);
}

TEST_F(QtSoundOutputOnPulse, playsTheDefaultSoundForAMissingClipAndSaysWhich) {
  const fs::path missing = server_->Folder() / "hora" / "hrs07.wav";
  QtSoundOutput sound;

  const auto called = Now();
  EXPECT_TRUE(sound.Play(missing.string()));
  std::this_thread::sleep_for(700ms);

  const test::Sound heard = test::FindSound(recorder_->Between(called, Now()).samples, kThreshold);
  ASSERT_TRUE(heard.found) << "no default sound";
  EXPECT_GT(heard.Seconds(), 0.2);
  const auto said = TakeWarnings();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("hrs07.wav"), std::string::npos) << said[0];
}

TEST_F(QtSoundOutputOnPulse, playsTheDefaultSoundForAFileThatIsNoClip) {
  const fs::path notAClip = server_->Folder() / "tmp020.wav";
  std::ofstream(notAClip) << "not a sound";
  QtSoundOutput sound;

  const auto called = Now();
  EXPECT_TRUE(sound.Play(notAClip.string()));
  std::this_thread::sleep_for(700ms);

  const test::Sound heard = test::FindSound(recorder_->Between(called, Now()).samples, kThreshold);
  ASSERT_TRUE(heard.found) << "no default sound";
  EXPECT_GT(heard.Seconds(), 0.2);
  const auto said = TakeWarnings();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_NE(said[0].find("tmp020.wav"), std::string::npos) << said[0];
}

// Runs in a process of its own: Qt's audio back end connects once per process.
TEST(NoAudioDevice, playsNothingReportsFalseAndWarnsOnlyOnce) {
  if (backEndConnected) GTEST_SKIP() << "run alone: --gtest_filter=NoAudioDevice.*";
  const fs::path nowhere = fs::temp_directory_path() / "quendal-no-sound-server" / "native";
  ::setenv("PULSE_SERVER", ("unix:" + nowhere.string()).c_str(), 1);
  const fs::path clip = fs::temp_directory_path() / "quendal-no-device-clip.wav";
  ASSERT_TRUE(test::WriteWav(clip, 22050, test::Tone(22050, 440, 0.2, 0.5)));
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
