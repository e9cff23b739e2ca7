#include <algorithm>
#include <charconv>

#include "core/ClipLibrary.h"
#include "sim/Scenario.h"
#include "ui/forms/Events.h"

namespace quendal::sim {
namespace {

struct Failure {
  std::string message;
};

class Lines {
 public:
  explicit Lines(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.emplace_back(line);
      start = end + 1;
    }
  }
  bool AtEnd() const { return next_ >= lines_.size(); }
  const std::string& Next() { return lines_[next_++]; }
  int Number() const { return static_cast<int>(next_); }  // of the line last taken

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

// Splits a directive into words; a word in double quotes may hold blanks, and a backslash
// in it takes the next character as it is. A "#" outside quotes starts a comment.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string word = "\"";
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        word += line[i];
      }
      if (i >= line.size()) throw Failure{"unterminated quoted text"};
      ++i;
      words.push_back(word + "\"");
    } else {
      const std::size_t end = line.find_first_of(" \t#", i);
      words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? line.size() : end;
    }
  }
  return words;
}

int WholeNumber(std::string_view text, const char* what) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    throw Failure{std::string("bad ") + what + ": '" + std::string(text) + "'"};
  }
  return value;
}

// Seconds with up to three decimals, to milliseconds, exactly.
std::int64_t Seconds(std::string_view text) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  if (whole.empty() || fraction.size() > 3 || !std::all_of(whole.begin(), whole.end(), ::isdigit) ||
      !std::all_of(fraction.begin(), fraction.end(), ::isdigit) || whole.size() > 9) {
    throw Failure{"bad time '" + std::string(text) + "': seconds with up to three decimals"};
  }
  std::string millis(fraction);
  millis.resize(3, '0');
  return std::int64_t{WholeNumber(whole, "time")} * 1000 + WholeNumber(millis, "time");
}

// `count` digits at `at` in `text`, and nothing else there: no sign, no blank.
int DigitsAt(const std::string& text, std::size_t at, std::size_t count, const char* what) {
  const std::string_view digits = std::string_view(text).substr(std::min(at, text.size()), count);
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (digits.size() != count || !std::all_of(digits.begin(), digits.end(), isDigit)) {
    throw Failure{std::string("bad ") + what + " '" + text + "'"};
  }
  return WholeNumber(digits, what);
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// "YYYY-MM-DD HH:MM:SS[.mmm]", a date that the calendar has and a time that a day has.
StartTime ParseClock(const std::vector<std::string>& words) {
  if (words.size() != 3) throw Failure{"clock takes YYYY-MM-DD HH:MM:SS[.mmm]"};
  const std::string& date = words[1];
  const std::string& time = words[2];
  if (date.size() != 10 || date[4] != '-' || date[7] != '-') {
    throw Failure{"bad date '" + date + "'"};
  }
  if (time.size() < 8 || time[2] != ':' || time[5] != ':' ||
      (time.size() > 8 && (time[8] != '.' || time.size() < 10 || time.size() > 12))) {
    throw Failure{"bad time of day '" + time + "'"};
  }
  StartTime t;
  t.year = DigitsAt(date, 0, 4, "date");
  t.month = DigitsAt(date, 5, 2, "date");
  t.day = DigitsAt(date, 8, 2, "date");
  t.hour = DigitsAt(time, 0, 2, "time of day");
  t.minute = DigitsAt(time, 3, 2, "time of day");
  t.second = DigitsAt(time, 6, 2, "time of day");
  if (time.size() > 8) {
    std::string millis = time.substr(9);
    millis.resize(3, '0');
    t.millisecond = DigitsAt(millis, 0, 3, "milliseconds");
  }
  const bool valid = t.year >= 1970 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
                     t.day <= DaysInMonth(t.year, t.month) && t.hour <= 23 && t.minute <= 59 &&
                     t.second <= 59;
  if (!valid) throw Failure{"clock out of range: no such date or time of day"};
  return t;
}

std::string RelativeName(const std::string& name) {
  if (name.empty() || name.front() == '/' || name.find('\\') != std::string::npos || name == ".." ||
      name.rfind("../", 0) == 0 || name.find("/../") != std::string::npos) {
    throw Failure{"'" + name + "' is not a relative path inside the scenario's folder"};
  }
  return name;
}

std::optional<std::int32_t> FlagValue(const std::string& value) {
  if (value == "True") return 1;
  if (value == "False") return 0;
  if (value == "fail") return std::nullopt;
  throw Failure{"a flag is True, False or fail, not '" + value + "'"};
}

std::vector<HostAssignment> ParseHost(const std::vector<std::string>& words, std::size_t from,
                                      bool atStart) {
  using Field = HostAssignment::Field;
  if (words.size() <= from) throw Failure{"host needs FIELD=VALUE"};
  std::vector<HostAssignment> assignments;
  for (std::size_t i = from; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    if (eq == std::string::npos) throw Failure{"host needs FIELD=VALUE, not '" + words[i] + "'"};
    const std::string field = words[i].substr(0, eq);
    const std::string value = words[i].substr(eq + 1);
    if (field == "RadioReceiving") {
      assignments.push_back({Field::RadioReceiving, FlagValue(value)});
    } else if (field == "InternetReceiving") {
      assignments.push_back({Field::InternetReceiving, FlagValue(value)});
    } else if (field == "ConnectedCount") {
      if (value == "fail") {
        assignments.push_back({Field::ConnectedCount, std::nullopt});
      } else {
        assignments.push_back({Field::ConnectedCount, WholeNumber(value, "ConnectedCount")});
      }
    } else if (field == "all" && (value == "fail" || value == "ok")) {
      assignments.push_back(
          {Field::All, value == "ok" ? std::optional<std::int32_t>(1) : std::nullopt});
    } else if (field == "create" && value == "fail") {
      if (!atStart) throw Failure{"create=fail applies only before start"};
      assignments.push_back({Field::Create, std::nullopt});
    } else {
      throw Failure{"unknown host setting '" + words[i] + "'"};
    }
  }
  return assignments;
}

// The content lines of a file directive, up to the line that is exactly "end".
FileWrite ParseFile(const std::vector<std::string>& words, std::size_t from, Lines& lines) {
  if (words.size() < from + 1 || words.size() > from + 2) {
    throw Failure{"file takes NAME [crlf|lf|cr]"};
  }
  std::string lineEnd = "\r\n";
  if (words.size() == from + 2) {
    const std::string& kind = words[from + 1];
    if (kind == "lf") {
      lineEnd = "\n";
    } else if (kind == "cr") {
      lineEnd = "\r";
    } else if (kind != "crlf") {
      throw Failure{"line end is crlf, lf or cr, not '" + kind + "'"};
    }
  }
  FileWrite file{RelativeName(words[from]), {}};
  while (true) {
    if (lines.AtEnd()) throw Failure{"file '" + file.name + "' has no 'end' line"};
    const std::string& line = lines.Next();
    if (line == "end") break;
    file.bytes += line + lineEnd;
  }
  return file;
}

Action ParseAt(const std::vector<std::string>& words, Lines& lines) {
  if (words.size() < 3) throw Failure{"at takes a time and an action"};
  Action action{};
  action.atMs = Seconds(words[1]);
  action.line = lines.Number();
  const std::string& verb = words[2];
  const auto expectWords = [&](std::size_t count, const char* usage) {
    if (words.size() != count) throw Failure{std::string("usage: at T ") + usage};
  };
  if (verb == "host") {
    action.kind = Action::Kind::Host;
    action.host = ParseHost(words, 3, /*atStart=*/false);
  } else if (verb == "file") {
    action.kind = Action::Kind::WriteFile;
    action.file = ParseFile(words, 3, lines);
  } else if (verb == "rm" || verb == "cat") {
    expectWords(4, verb == "rm" ? "rm NAME" : "cat NAME");
    action.kind = verb == "rm" ? Action::Kind::RemoveFile : Action::Kind::Cat;
    action.file.name = RelativeName(words[3]);
  } else if (verb == "click") {
    expectWords(4, "click NAME");
    if (!forms::FindClick(words[3])) throw Failure{"no control '" + words[3] + "' to click"};
    action.kind = Action::Kind::Click;
    action.target = words[3];
  } else if (verb == "type") {
    expectWords(5, "type Text1 \"TEXT\"");
    const std::string& text = words[4];
    if (words[3] != "Text1" || text.size() < 2 || text.front() != '"') {
      throw Failure{"usage: at T type Text1 \"TEXT\""};
    }
    action.kind = Action::Kind::Type;
    action.target = text.substr(1, text.size() - 2);
  } else if (verb == "close") {
    expectWords(3, "close");
    action.kind = Action::Kind::Close;
  } else {
    throw Failure{"unknown action '" + verb + "'"};
  }
  return action;
}

Answer ParseAnswer(const std::vector<std::string>& words) {
  if (words.size() < 2 || words.size() > 3) throw Failure{"answer takes DELAY [OK|Yes|No]"};
  Answer answer{Seconds(words[1]), std::nullopt};
  if (words.size() == 3) {
    const std::string& button = words[2];
    if (button == "OK") {
      answer.button = MsgAnswer::Ok;
    } else if (button == "Yes") {
      answer.button = MsgAnswer::Yes;
    } else if (button == "No") {
      answer.button = MsgAnswer::No;
    } else {
      throw Failure{"a button is OK, Yes or No, not '" + button + "'"};
    }
  }
  return answer;
}

}  // namespace

std::variant<Scenario, ParseError> ParseScenario(std::string_view text) {
  Scenario scenario;
  Lines lines(text);
  bool haveClock = false;
  bool haveRun = false;
  try {
    while (!lines.AtEnd()) {
      const std::vector<std::string> words = Words(lines.Next());
      if (words.empty()) continue;
      if (haveRun) throw Failure{"nothing may follow 'run'"};
      const std::string& directive = words[0];
      if (directive == "clock") {
        if (haveClock) throw Failure{"clock is given twice"};
        scenario.start = ParseClock(words);
        haveClock = true;
      } else if (directive == "clips") {
        if (words.size() < 2) throw Failure{"clips takes all, none or missing PATH..."};
        if (words[1] == "all" && words.size() == 2) {
          scenario.clips = ClipsMode::All;
        } else if (words[1] == "none" && words.size() == 2) {
          scenario.clips = ClipsMode::None;
        } else if (words[1] == "missing" && words.size() > 2) {
          scenario.clips = ClipsMode::AllBut;
          const std::vector<std::string> library = LibraryClipNames();
          for (std::size_t i = 2; i < words.size(); ++i) {
            if (std::find(library.begin(), library.end(), words[i]) == library.end()) {
              throw Failure{"'" + words[i] + "' is not a clip of the library"};
            }
            scenario.clipsListed.push_back(words[i]);
          }
        } else {
          throw Failure{"clips takes all, none or missing PATH..."};
        }
      } else if (directive == "file") {
        scenario.files.push_back(ParseFile(words, 1, lines));
      } else if (directive == "host") {
        const auto assignments = ParseHost(words, 1, /*atStart=*/true);
        scenario.host.insert(scenario.host.end(), assignments.begin(), assignments.end());
      } else if (directive == "answer") {
        scenario.answers.push_back(ParseAnswer(words));
      } else if (directive == "at") {
        scenario.actions.push_back(ParseAt(words, lines));
      } else if (directive == "run") {
        if (words.size() != 2) throw Failure{"run takes a time"};
        scenario.runMs = Seconds(words[1]);
        haveRun = true;
      } else {
        throw Failure{"unknown directive '" + directive + "'"};
      }
    }
  } catch (const Failure& failure) {
    return ParseError{lines.Number(), failure.message};
  }
  if (!haveClock) return ParseError{lines.Number(), "the scenario has no 'clock' line"};
  if (!haveRun) return ParseError{lines.Number(), "the scenario must end with a 'run' line"};
  for (const Action& action : scenario.actions) {
    if (action.atMs > scenario.runMs) {
      return ParseError{action.line, "this action comes after the end of the run"};
    }
  }
  std::stable_sort(scenario.actions.begin(), scenario.actions.end(),
                   [](const Action& a, const Action& b) { return a.atMs < b.atMs; });
  return scenario;
}

}  // namespace quendal::sim
