#pragma once

#include <string>
#include <string_view>

namespace quendal::echolink {

// Whether the host's server runs now: a process whose executable bears the name of the
// one the class's LocalServer32 entry starts. False when the class names no local server.
// Asking starts nothing, unlike making the class's object.
bool HostServerRunning();

// The executable's file name in a LocalServer32 command: "host.exe" from
// "\"C:\\Program Files\\Host\\host.exe\" /automation" and from the same unquoted.
std::wstring ServerExecutableName(std::wstring_view command);

}  // namespace quendal::echolink
