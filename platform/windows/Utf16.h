#pragma once

#include <string>

// The system's wide calls take UTF-16; every text of the program is UTF-8.
namespace quendal {

// Bytes that are not UTF-8 become U+FFFD, so a bad path still names no file (and plays the
// default sound) instead of some other file.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

}  // namespace quendal
