#pragma once

#include <string>
#include <string_view>

namespace quendal::test {

// The timeline the simulator prints for a scenario given as text, or the line "parse error
// at line N: ..." when the scenario is refused.
std::string RunScenario(std::string_view text, bool verbose = false);

}  // namespace quendal::test
