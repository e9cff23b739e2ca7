// The Qt adapters of the platform: real message boxes, pauses, the tick driver, the clock
// and the gate. These run real event loops, so some cases wait a little.

#include <gmock/gmock.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/WindowRig.h"
#include "ui/qt/platform/QtClock.h"
#include "ui/qt/platform/QtPause.h"
#include "ui/qt/platform/TickDriver.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

// Does `act` with the message box once it is on screen and `ready` holds, or after 5 s.
void WhenBoxOpens(
    std::function<void(QMessageBox&)> act, std::function<bool()> ready = [] { return true; }) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act, ready, deadline = QDeadlineTimer(5000)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || (!ready() && !deadline.hasExpired())) return;
    poll->stop();
    poll->deleteLater();
    act(*box);
  });
  poll->start(5);
}

// Ticks every 5 ms once enabled: the clock reads 5 ms before a whole second, a second
// later at every reading unless told to stand.
struct FastTicks {
  struct : Clock {
    LocalTime now{2024, 5, 6, 14, 0, 0, 995};
    bool stands = false;
    LocalTime Now() override {
      if (!stands) ++now.second;
      return now;
    }
  } clock;
  EventGate gate;
  bool enabled = true;
  int count = 0;
  std::function<void()> onTick = [] {};
  TickDriver driver{clock, gate, [this] { return enabled; }, [this] { Tick(); }};
  void Tick() {
    ++count;
    onTick();
  }
};

const MessageRequest kQuit{"Tem certeza que quer sair?", "quendal", MsgButtons::YesNo,
                           MsgIcon::Question, MsgAnswer::No};
const MessageRequest kNotice{"Grave as semanas primeiro!", "Quendal"};

TEST(QtMessageBoxesTest, onlyThePressedYesAnswersYesToTheQuitQuestion) {
  QtMessageBoxes boxes;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    WhenBoxOpens([key](QMessageBox& box) { QTest::keyClick(&box, key); });
    EXPECT_EQ(boxes.Show(kQuit), MsgAnswer::No) << key;
  }
  WhenBoxOpens([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
  EXPECT_EQ(boxes.Show(kQuit), MsgAnswer::Yes);
}

TEST(QtMessageBoxesTest, aNoticeStandsOverTheShownMainWindowAndBlocksOnlyIt) {
  QtMessageBoxes boxes;
  QWidget owner;
  boxes.SetOwner(&owner);
  const auto showAndRead = [&boxes] {
    std::pair<QWidget*, Qt::WindowModality> seen{};
    WhenBoxOpens([&seen](QMessageBox& box) {
      seen = {box.parentWidget(), box.windowModality()};
      QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.Show(kNotice), MsgAnswer::Ok);
    return seen;
  };
  EXPECT_EQ(showAndRead(), std::make_pair(static_cast<QWidget*>(nullptr), Qt::ApplicationModal))
      << "not yet shown";
  owner.show();
  EXPECT_EQ(showAndRead(), std::make_pair(&owner, Qt::WindowModal));
  owner.showMinimized();
  EXPECT_EQ(showAndRead().first, nullptr) << "a minimised owner would hide the box";
}

TEST(QtMessageBoxesTest, ticksGoOnWhileABoxIsOpen) {
  FastTicks ticks;
  ticks.driver.Start();
  QtMessageBoxes boxes;
  WhenBoxOpens([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); },
               [&] { return ticks.count >= 3; });
  ticks.gate.Run([&] { boxes.Show(kNotice); });
  EXPECT_GE(ticks.count, 3);
}

TEST(QtPauseTest, sleepsWithoutTicksAndHoldsUserActionsUntilTheHandlerEnds) {
  FastTicks ticks;
  EventGate& gate = ticks.gate;
  std::vector<std::string> events;
  const auto note = [&events](const char* event) {
    return [&events, event] { events.push_back(event); };
  };
  ticks.onTick = note("tick");
  QtPause pause(gate);

  gate.Run([&] {
    ticks.driver.Start();
    QTimer::singleShot(30, [&] {
      gate.User(note("click 1"));
      gate.HoldClose(note("close A"));
      gate.HoldClose(note("close B"));  // only the last close request is kept
      gate.User(note("click 2"));
    });
    QElapsedTimer elapsed;
    elapsed.start();
    pause.Sleep(std::chrono::milliseconds(150));
    EXPECT_GE(elapsed.elapsed(), 150);
    gate.User(note("click in the handler"));  // no pause in progress: runs at once
  });
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0], "click in the handler") << "no tick and no click during the pause";
  const auto seen = [&](const char* event) { return std::ranges::count(events, event) > 0; };
  EXPECT_TRUE(QTest::qWaitFor([&] { return seen("close B") && seen("tick"); }, 2000))
      << "ticks come back after the pause";
  std::erase(events, "tick");
  EXPECT_THAT(events, ElementsAre("click in the handler", "click 1", "click 2", "close B"));
}

TEST(TickDriverTest, firesAtEachWholeSecondNeverBeforeOnceTheTimersAreEnabled) {
  SecondTicks rule;
  EXPECT_EQ(rule.Arm({2024, 5, 6, 14, 0, 59, 990}), 10);
  EXPECT_FALSE(rule.Due({2024, 5, 6, 14, 0, 59, 999})) << "woken early: wait for the rest";
  EXPECT_TRUE(rule.Due({2024, 5, 6, 14, 1, 0, 0}));
  EXPECT_TRUE(rule.Due({2024, 5, 6, 13, 0, 59, 990})) << "a clock set back";
  FastTicks ticks;
  ticks.enabled = false;
  ticks.driver.Start();
  QTest::qWait(60);
  EXPECT_EQ(ticks.count, 0) << "not before the load sequence enables the timers";
  ticks.enabled = true;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.count >= 2; }, 500));
  ticks.clock.stands = true;
  const int count = ticks.count;
  QTest::qWait(60);
  EXPECT_EQ(ticks.count, count) << "a clock still in the second armed in never ticks";
}

TEST(QtClockTest, anOffsetClockReadsTheChosenTimeAndRunsOn) {
  const QDateTime now(QDate(2024, 5, 6), QTime(9, 30, 0));
  const qint64 offset = QtClock::OffsetTo(QTime(14, 0, 0), now);
  const LocalTime t = QtClock::Fields(now.addMSecs(offset + 61'500));
  EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond}),
            std::vector<int>({2024, 5, 6, 14, 1, 1, 500}));

  QtClock real(QtClock::OffsetTo(QTime(23, 59, 59), QDateTime::currentDateTime()));
  const LocalTime read = real.Now();
  EXPECT_TRUE(read.hour == 23 || read.hour == 0) << read.hour;
}

}  // namespace
}  // namespace quendal::test
