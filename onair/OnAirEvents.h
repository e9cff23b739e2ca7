#pragma once

#include <string>
#include <string_view>

#include "core/platform/MessageBoxes.h"

// The texts of what the program puts on the air, one event a line, shared by the
// simulator's timeline and the running programs' logs, so an hour on a real station can be
// compared line by line with a simulated one.
namespace quendal::onair {

// "RfTransmit True", "IpTransmit False failed".
std::string TransmitEvent(std::string_view member, bool on, bool taken);
// "PlaySound hora/hrs14.wav", with " missing" when the file is absent (the default sound
// plays) and " failed" when the sound card took nothing.
std::string PlaySoundEvent(std::string_view path, bool present, bool started = true);
// "PlayAudioFile hora/hrs14.wav True", with " failed" when the host refused.
std::string PlayAudioFileEvent(std::string_view path, bool flag, bool taken);
// "Host gone" when the link has found the host program gone, "Host back" when it has
// found it again.
std::string HostLinkEvent(bool reachable);
// MsgBox "TEXT" "TITLE".
std::string MsgBoxEvent(const MessageRequest& request);
// "MsgBoxClosed OK".
std::string MsgBoxClosedEvent(MsgAnswer answer);

// `path` relative to `folder` when it lies in it, with forward slashes, so a clip reads
// the same whatever folder the program runs from and whatever separator built the path.
std::string RelativePath(std::string_view folder, std::string_view path);

// Text in double quotes, with \" \\ \r \n and \xHH for other control bytes. UTF-8 text
// stays as it is, so Portuguese messages read naturally.
std::string Quoted(std::string_view text);

// File bytes in double quotes: as Quoted, but every byte outside printable ASCII is \xHH.
std::string QuotedBytes(std::string_view bytes);

}  // namespace quendal::onair
