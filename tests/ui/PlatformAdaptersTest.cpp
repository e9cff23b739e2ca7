// The Qt adapters of the platform: real message boxes, pauses, the tick driver, the
// clock and the gate. These run real event loops, so some cases wait a little.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/Fakes.h"
#include "ui/platform/EventGate.h"
#include "ui/platform/QtClock.h"
#include "ui/platform/QtMessageBoxes.h"
#include "ui/platform/QtPause.h"
#include "ui/platform/TickDriver.h"

namespace quendal::test {
namespace {

using testing::ElementsAre;

// Does `act` with the message box once it is on screen.
void WhenBoxOpens(std::function<void(QMessageBox&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      act(*box);
    }
  });
  poll->start(5);
}

const MessageRequest kQuit{"Tem certeza que quer sair?", "quendal", MsgButtons::YesNo,
                           MsgIcon::Question, MsgAnswer::No};

TEST(QtMessageBoxesTest, enterAndEscapeAnswerNoAtTheQuitQuestion) {
  QtMessageBoxes boxes;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    WhenBoxOpens([key](QMessageBox& box) { QTest::keyClick(&box, key); });
    EXPECT_EQ(boxes.Show(kQuit), MsgAnswer::No) << key;
  }
}

TEST(QtMessageBoxesTest, theBoxShowsTheRequestAndReturnsTheButtonPressed) {
  QtMessageBoxes boxes;
  WhenBoxOpens([](QMessageBox& box) {
    EXPECT_EQ(box.text(), "Tem certeza que quer sair?");
    EXPECT_EQ(box.windowTitle(), "quendal");
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    box.button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(boxes.Show(kQuit), MsgAnswer::Yes);

  WhenBoxOpens([](QMessageBox& box) {
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    QTest::keyClick(&box, Qt::Key_Return);
  });
  EXPECT_EQ(boxes.Show({"Grave as semanas primeiro!", "Quendal"}), MsgAnswer::Ok);
}

TEST(QtMessageBoxesTest, aBoxStandsOverTheShownMainWindowAndBlocksOnlyIt) {
  QtMessageBoxes boxes;
  QWidget owner;
  boxes.SetOwner(&owner);
  const auto showAndRead = [&boxes] {
    std::pair<QWidget*, Qt::WindowModality> seen{};
    WhenBoxOpens([&seen](QMessageBox& box) {
      seen = {box.parentWidget(), box.windowModality()};
      box.button(QMessageBox::Ok)->click();
    });
    boxes.Show({"Grave as semanas primeiro!", "Quendal"});
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
  FakeClock clock;
  clock.now.millisecond = 995;  // so the driver fires every 10 ms
  EventGate gate;
  int ticks = 0;
  TickDriver driver(
      clock, gate, [] { return true; },
      [&] {
        ++ticks;
        ++clock.now.second;
      });
  driver.Start();
  QtMessageBoxes boxes;
  int ticksWhenClosed = -1;
  WhenBoxOpens([&](QMessageBox& box) {
    // Closed by the third tick at the latest; a test that hangs here has lost its ticks.
    auto* watch = new QTimer(&box);
    QObject::connect(watch, &QTimer::timeout, &box, [&] {
      if (ticks < 3) return;
      ticksWhenClosed = ticks;
      box.button(QMessageBox::Ok)->click();
    });
    watch->start(5);
    QTimer::singleShot(5000, &box, [&box] { box.button(QMessageBox::Ok)->click(); });
  });
  gate.Run([&] { boxes.Show({"Grave as semanas primeiro!", "Quendal"}); });
  EXPECT_GE(ticksWhenClosed, 3);
}

TEST(QtPauseTest, sleepsForItsDurationWithoutTicksAndHoldsUserActionsUntilTheHandlerEnds) {
  FakeClock clock;
  clock.now.millisecond = 995;
  EventGate gate;
  std::vector<std::string> events;
  TickDriver driver(
      clock, gate, [] { return true; },
      [&] {
        events.push_back("tick");
        ++clock.now.second;
      });
  QtPause pause(gate);

  gate.Run([&] {
    driver.Start();
    QTimer::singleShot(30, [&] { gate.User([&] { events.push_back("click"); }); });
    QTimer::singleShot(40, [&] { gate.HoldClose([&] { events.push_back("close"); }); });
    QElapsedTimer elapsed;
    elapsed.start();
    pause.Sleep(std::chrono::milliseconds(150));
    EXPECT_GE(elapsed.elapsed(), 150);
    events.push_back("handler ends");
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 4; }, 2000));
  EXPECT_EQ(events[0], "handler ends") << "no tick and no click during the pause";
  const auto at = [&](const char* event) {
    return std::find(events.begin(), events.end(), event) - events.begin();
  };
  EXPECT_LT(at("click"), at("close"));
  EXPECT_LT(at("tick"), static_cast<long>(events.size())) << "ticks come back after the pause";
}

TEST(TickDriverTest, firesJustAfterEachWholeSecondOnceTheTimersAreEnabled) {
  EXPECT_EQ(TickDriver::DelayFrom(990), 15);
  EXPECT_EQ(TickDriver::DelayFrom(0), 1005);

  FakeClock clock;
  clock.now.millisecond = 995;
  EventGate gate;
  bool enabled = false;
  int ticks = 0;
  TickDriver driver(
      clock, gate, [&] { return enabled; }, [&] { ++ticks; });
  driver.Start();
  QTest::qWait(60);
  EXPECT_EQ(ticks, 0) << "not before the load sequence enables the timers";

  enabled = true;
  QTest::qWait(80);
  EXPECT_EQ(ticks, 1) << "a clock still in the same second never ticks twice";
  clock.now.second = 1;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 2; }, 500));
}

TEST(QtClockTest, anOffsetClockReadsTheChosenTimeAndRunsOn) {
  const QDateTime now(QDate(2024, 5, 6), QTime(9, 30, 0));
  const qint64 offset = QtClock::OffsetTo(QTime(14, 0, 0), now);
  const LocalTime shifted = QtClock::Fields(now.addMSecs(offset + 61'500));
  EXPECT_EQ(shifted.year, 2024);
  EXPECT_EQ(shifted.day, 6);
  EXPECT_EQ(shifted.hour, 14);
  EXPECT_EQ(shifted.minute, 1);
  EXPECT_EQ(shifted.second, 1);
  EXPECT_EQ(shifted.millisecond, 500);

  QtClock real(QtClock::OffsetTo(QTime(23, 59, 59), QDateTime::currentDateTime()));
  const LocalTime read = real.Now();
  EXPECT_TRUE(read.hour == 23 || read.hour == 0) << read.hour;
}

TEST(EventGateTest, keepsOneCloseRequestAndRunsItAfterTheHeldClicks) {
  EventGate gate;
  std::vector<std::string> events;
  gate.Run([&] {
    gate.BeginPause();
    gate.User([&] { events.push_back("click 1"); });
    gate.HoldClose([&] { events.push_back("close A"); });
    gate.HoldClose([&] { events.push_back("close B"); });
    gate.User([&] { events.push_back("click 2"); });
    gate.EndPause();
    gate.User([&] { events.push_back("nested click"); });
  });
  EXPECT_THAT(events, ElementsAre("nested click"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() == 4; }, 1000));
  EXPECT_THAT(events, ElementsAre("nested click", "click 1", "click 2", "close B"));
}

}  // namespace
}  // namespace quendal::test
