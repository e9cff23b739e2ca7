#include "ui/qt/headless/HeadlessNode.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>

#include "host/rigctld/TransmitterRelease.h"
#include "ui/qt/headless/HangupSignal.h"

namespace quendal {

HeadlessNode::HeadlessNode(const LaunchOptions& options, std::ostream& log)
    : qt_(options), station_(options, qt_.With(messages_, desktop_), &log) {}

void HeadlessNode::Start() { station_.Start(); }

void HeadlessNode::ReadOptionsAgain() {
  qt_.gate.User([this] { station_.Controller().ApplyOptions(); });
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
