// The Qt adapters of the platform: real message boxes, pauses, the tick driver, the gate
// and the clock. These run real event loops, so some cases wait a little.
#include <gmock/gmock.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/WindowRig.h"
#include "ui/qt/platform/QtClock.h"
#include "ui/qt/platform/QtPause.h"
#include "ui/qt/platform/TickDriver.h"

namespace quendal::test {
namespace {

// Does `act` with the message box about to open, from inside its event loop.
void WhenBoxOpens(std::function<void(QMessageBox&)> act) {
  QTimer::singleShot(
      0, [act] { act(*qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); });
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
  std::vector<std::string> events;
  TickDriver driver{clock, gate, [this] { return enabled; }, [this] { events.push_back("tick"); }};
  long Ticks() const { return std::ranges::count(events, "tick"); }
};

TEST(QtMessageBoxes, onlyThePressedYesAnswersYesToTheQuitQuestion) {
  const MessageRequest quit{"Tem certeza que quer sair?", "quendal", MsgButtons::YesNo,
                            MsgIcon::Question, MsgAnswer::No};
  QtMessageBoxes boxes;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    WhenBoxOpens([key](QMessageBox& box) { QTest::keyClick(&box, key); });
    EXPECT_EQ(boxes.Show(quit), MsgAnswer::No) << key;
  }
  WhenBoxOpens([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
  EXPECT_EQ(boxes.Show(quit), MsgAnswer::Yes);
}

// Over the shown main window a box blocks only it; over none, or a minimised one that
// would hide it, every window. Ticks go on while it is open.
TEST(QtMessageBoxes, standOverTheShownMainWindowWhileTicksGoOn) {
  QtMessageBoxes boxes;
  QWidget owner;
  boxes.SetOwner(&owner);
  FastTicks ticks;
  const auto shownOver = [&] {
    std::pair<QWidget*, Qt::WindowModality> seen{};
    WhenBoxOpens([&](QMessageBox& box) {
      seen = {box.parentWidget(), box.windowModality()};
      EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.Ticks() >= 3; }, 5000));
      box.button(QMessageBox::Ok)->click();
    });
    ticks.gate.Run([&] {
      EXPECT_EQ(boxes.Show({"Grave as semanas primeiro!", "Quendal"}), MsgAnswer::Ok);
    });
    return seen;
  };
  ticks.driver.Start();
  EXPECT_EQ(shownOver(), std::make_pair(static_cast<QWidget*>(nullptr), Qt::ApplicationModal));
  EXPECT_GE(ticks.Ticks(), 3);
  owner.show();
  EXPECT_EQ(shownOver(), std::make_pair(&owner, Qt::WindowModal));
  owner.showMinimized();
  EXPECT_EQ(shownOver().first, nullptr);
}

TEST(QtPause, sleepsWithoutTicksAndHoldsUserActionsUntilTheHandlerEnds) {
  FastTicks ticks;
  EventGate& gate = ticks.gate;
  const auto note = [&](const char* event) {
    return [&, event] { ticks.events.push_back(event); };
  };
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
    const long ticksBefore = ticks.Ticks();
    pause.Sleep(std::chrono::milliseconds(150));
    EXPECT_GE(elapsed.elapsed(), 150);
    EXPECT_EQ(ticks.Ticks(), ticksBefore) << "a tick ran inside the pause";
    gate.User(note("click in the handler"));  // no pause in progress: runs at once
  });
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return ticks.Ticks() && std::ranges::count(ticks.events, "close B"); }, 2000));
  std::erase(ticks.events, "tick");
  EXPECT_THAT(ticks.events,
              testing::ElementsAre("click in the handler", "click 1", "click 2", "close B"));
}

TEST(TickDriver, firesAtEachWholeSecondNeverBeforeOnceTheTimersAreEnabled) {
  SecondTicks rule;
  EXPECT_EQ(rule.Arm({2024, 5, 6, 14, 0, 59, 990}), 10);
  EXPECT_FALSE(rule.Due({2024, 5, 6, 14, 0, 59, 999})) << "woken early: wait for the rest";
  EXPECT_TRUE(rule.Due({2024, 5, 6, 14, 1, 0, 0}));
  EXPECT_TRUE(rule.Due({2024, 5, 6, 13, 0, 59, 990})) << "a clock set back";
  FastTicks ticks;
  ticks.enabled = false;
  ticks.driver.Start();
  QTest::qWait(60);
  EXPECT_EQ(ticks.Ticks(), 0) << "not before the load sequence enables the timers";
  ticks.enabled = true;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.Ticks() >= 2; }, 500));
  ticks.clock.stands = true;
  const long count = ticks.Ticks();
  QTest::qWait(60);
  EXPECT_EQ(ticks.Ticks(), count) << "a clock still in the second armed in never ticks";
}

TEST(QtClock, anOffsetClockReadsTheChosenTimeAndRunsOn) {
  const QDateTime now(QDate(2024, 5, 6), QTime(9, 30, 0));
  const LocalTime t =
      QtClock::Fields(now.addMSecs(QtClock::OffsetTo(QTime(14, 0, 0), now) + 61'500));
  EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond}),
            std::vector<int>({2024, 5, 6, 14, 1, 1, 500}));
}

}  // namespace
}  // namespace quendal::test
