// The operator's guide quotes the main window and its messages as the program shows them.
#include <gtest/gtest.h>

#include <regex>

#include "core/Messages.h"
#include "tests/support/ScratchFolder.h"
#include "ui/forms/FrmQuendal.h"

namespace quendal::test {
namespace {

TEST(Guide, quotesTheWindowsOwnWords) {
  // As read: a line break and its indent are one blank, and "&nbsp;" one more.
  std::string guide = std::regex_replace(ReadBytes(QUENDAL_GUIDE), std::regex("\n *"), " ");
  guide = std::regex_replace(guide, std::regex("&nbsp;"), " ");
  std::vector<std::string> texts{messages::kNotConnected,
                                 messages::kTemperatureFileMissing,
                                 messages::kTemperatureFileMissingShort,
                                 messages::kTemperatureRange,
                                 messages::kNoOptionsFile,
                                 messages::kQuitQuestion,
                                 messages::kHostUnavailable};
  for (const forms::Control& control : forms::kFrmQuendal.controls)
    texts.emplace_back(control.caption);
  for (const std::string& text : texts) {
    if (text.empty()) continue;
    EXPECT_NE(guide.find('"' + text + '"'), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace quendal::test
