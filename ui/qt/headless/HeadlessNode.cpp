#include "ui/qt/headless/HeadlessNode.h"

#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <cstdio>

#include "host/rigctld/TransmitterRelease.h"
#include "ui/forms/Events.h"
#include "ui/qt/headless/HangupSignal.h"
#include "ui/qt/platform/QtAppInfo.h"
#include "ui/qt/platform/SoundOutputs.h"

namespace quendal {

HeadlessNode::HeadlessNode(const LaunchOptions& options, std::ostream& log)
    : hosts_(options.host, simulated_),
      sound_(MakeSoundOutput()),
      files_(QDir::currentPath().toStdString()),
      clock_(QtClock::OffsetFor(options.clock)),
      app_(CurrentAppInfo(options.folder)),
      logged_(clock_, &log, hosts_, *sound_, files_, messages_, app_.path),
      controller_(Platform{logged_.hosts, logged_.sound, pause_, files_, logged_.clock,
                           logged_.messages, desktop_, app_}),
      ticks_(
          clock_, gate_, [this] { return controller_.TimersEnabled(); },
          [this] { forms::Tick(controller_); }) {}

void HeadlessNode::Start() {
  ticks_.Start();
  gate_.Run([this] { controller_.Form_Load(); });
}

void HeadlessNode::ReadOptionsAgain() {
  gate_.User([this] { controller_.ApplyOptions(); });
}

int RunHeadless(int argc, char** argv, const LaunchOptions& options, std::ostream& log) {
  // Before the link exists: a keyed transmitter's release must not take SIGHUP over.
  transmitter_release::LeaveHangup();
  // A log reader that went away (a closed pipe, a journal restarting) fails the log's
  // writes; it must not end a station that may have a transmitter keyed.
  std::signal(SIGPIPE, SIG_IGN);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("Quendal");
  QCoreApplication::setApplicationVersion(QUENDAL_VERSION);

  HeadlessNode node(options, log);
  const HangupSignal hangup([&node] { node.ReadOptionsAgain(); });
  if (!hangup.Installed()) {
    std::fputs("quendal: SIGHUP cannot be caught: it ends the program\n", stderr);
  }
  node.Start();
  return QCoreApplication::exec();
}

}  // namespace quendal
