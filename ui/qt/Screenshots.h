#pragma once

#include <QString>

namespace quendal {

class DesktopStation;

// Writes main-window.png, about.png, help.png and simulated-host.png into `folder`, once
// the clock has ticked so the window shows a running program. Returns an exit code.
int WriteScreenshots(DesktopStation& station, const QString& folder);

}  // namespace quendal
