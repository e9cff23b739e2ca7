#include "launch/ManPage.h"

#include <cstdio>

namespace quendal {
namespace {

// One UTF-8 sequence from `at`, as its code point; a stray byte stands for itself.
char32_t Decode(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length == 1 || at + length > text.size()) return byte(at++);
  char32_t point = lead & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) point = (point << 6) | (byte(at + i) & 0x3F);
  at += length;
  return point;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = Decode(text, at);
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      char glyph[16];
      std::snprintf(glyph, sizeof glyph, "\\[u%04X]", static_cast<unsigned>(c));
      out += glyph;
    }
  }
  return out;
}

// A text line that starts with a dot or a quote would be read as a request.
std::string TextLine(std::string_view text) {
  const std::string line = Escaped(text);
  return (line.starts_with('.') || line.starts_with('\'') ? "\\&" : "") + line + "\n";
}

std::string Paragraphs(std::string_view text) {
  std::string out;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find("\n\n", start);
    if (end == std::string_view::npos) end = text.size();
    out += ".PP\n" + TextLine(text.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

std::string OptionEntry(const CommandOption& option) {
  std::string tag = "\\fB\\-\\-" + Escaped(option.name) + "\\fR";
  if (!option.shortName.empty()) tag = "\\fB\\-" + Escaped(option.shortName) + "\\fR, " + tag;
  if (!option.valueName.empty()) tag += " \\fI" + Escaped(option.valueName) + "\\fR";
  return ".TP\n" + tag + "\n" + TextLine(option.help);
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace

std::string ManPage(const ManPageText& page) {
  std::string out = ".TH " + Upper(page.name) + " 1 \"\" \"" + std::string(page.name) + " " +
                    std::string(page.version) + "\"\n";
  out += ".SH " + Escaped(page.headings[0]) + "\n" + Escaped(page.name) + " \\- " +
         Escaped(page.summary) + "\n";
  out += ".SH " + Escaped(page.headings[1]) + "\n\\fB" + Escaped(page.name) + "\\fR " +
         Escaped(page.synopsis) + "\n";
  out += ".SH " + Escaped(page.headings[2]) + "\n" + Paragraphs(page.description);
  out += ".SH " + Escaped(page.headings[3]) + "\n";
  for (const CommandOption& option : page.options) {
    if (!option.hidden) out += OptionEntry(option);
  }
  for (const auto& [heading, text] : page.sections) {
    out += ".SH " + Escaped(heading) + "\n" + Paragraphs(text);
  }
  return out;
}

}  // namespace quendal
