#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "launch/CommandLine.h"

namespace quendal {

// A manual page in section 1, written from the program's own option table, so the page
// lists exactly what --help lists.
struct ManPageText {
  std::string_view name;      // "quendal"
  std::string_view version;   // "0.1.0"
  std::string_view summary;   // the one line after the name, for whatis
  std::string_view synopsis;  // what follows the name in SYNOPSIS: "[opções]"
  std::string_view description;
  std::span<const CommandOption> options;
  // Headings of the page's parts, in its language: NAME, SYNOPSIS, DESCRIPTION, OPTIONS.
  std::string_view headings[4] = {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS"};
  // More sections, each a heading and its paragraphs separated by blank lines.
  std::vector<std::pair<std::string_view, std::string_view>> sections;
};

// roff for man(7): every character outside ASCII as a groff named glyph, dashes and
// backslashes escaped, so no formatter in any locale warns about the page.
std::string ManPage(const ManPageText& page);

}  // namespace quendal
