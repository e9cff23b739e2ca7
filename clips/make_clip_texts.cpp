// Writes one "name<TAB>text" line per clip of the default library to the file named by
// its argument. The file is left untouched when its content would not change, so the
// build speaks the clips again only when their words change.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "clips/ClipTexts.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_clip_texts OUTPUT\n");
    return 2;
  }
  std::ostringstream table;
  for (const auto& clip : quendal::clips::ClipTexts()) {
    table << clip.name << '\t' << clip.text << '\n';
  }
  std::ifstream existing(argv[1], std::ios::binary);
  const std::string old((std::istreambuf_iterator<char>(existing)),
                        std::istreambuf_iterator<char>());
  if (existing && old == table.str()) return 0;
  existing.close();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << table.str();
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_clip_texts: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
