#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/platform/MessageBoxes.h"

// A scenario for the simulator: the station before start and what happens to it, each
// at a virtual time in milliseconds after start.
namespace quendal::sim {

struct StartTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct HostAssignment {
  enum class Field { RadioReceiving, InternetReceiving, ConnectedCount, All, Create };
  Field field;
  // The value to answer (0 or 1 for the flags); nullopt makes the member fail. For
  // All, nullopt fails every member and a value restores them.
  std::optional<std::int32_t> value;
};

struct FileWrite {
  std::string name;  // relative to the scenario's folder, with '/'
  std::string bytes;
};

struct Answer {
  std::int64_t delayMs = 0;
  std::optional<MsgAnswer> button;  // nullopt: the box's default button
};

enum class ClipsMode { All, None, AllBut };

struct Action {
  enum class Kind { Host, WriteFile, RemoveFile, Cat, Click, Type, Close };
  Kind kind;
  std::int64_t atMs = 0;
  int line = 0;  // where the scenario says it
  std::vector<HostAssignment> host;
  FileWrite file;      // WriteFile; RemoveFile and Cat use file.name
  std::string target;  // Click: the control; Type: the text typed

  bool IsUserAction() const {
    return kind == Kind::Click || kind == Kind::Type || kind == Kind::Close;
  }
};

struct Scenario {
  StartTime start;
  ClipsMode clips = ClipsMode::All;
  std::vector<std::string> clipsListed;  // the missing ones, for AllBut
  std::vector<FileWrite> files;
  std::vector<HostAssignment> host;
  std::vector<Answer> answers;
  std::vector<Action> actions;  // ordered by time, then by their order in the scenario
  std::int64_t runMs = 0;
};

struct ParseError {
  int line = 0;
  std::string message;
};

std::variant<Scenario, ParseError> ParseScenario(std::string_view text);

}  // namespace quendal::sim
