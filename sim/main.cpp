// quendal-sim: runs a scenario on a virtual clock and prints what went on air.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>

#include "sim/Scenario.h"
#include "sim/SimOptions.h"
#include "sim/VirtualStation.h"

namespace {

std::string Usage() {
  using namespace quendal::sim;
  std::string text = "usage: quendal-sim " + std::string(kSimSynopsis) + "\n" +
                     std::string(kSimDescription) + "\n";
  for (const quendal::CommandOption& option : kSimOptions) {
    std::string synopsis = "--" + std::string(option.name);
    if (!option.shortName.empty()) synopsis = "-" + std::string(option.shortName) + ", " + synopsis;
    text += "  " + synopsis + std::string(synopsis.size() < 11 ? 11 - synopsis.size() : 1, ' ') +
            std::string(option.help) + "\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  quendal::sim::RunOptions options;
  std::string scenarioPath;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--verbose") {
      options.verbose = true;
    } else if (argument == "--keep") {
      options.keepFolder = true;
    } else if (argument == "--help" || argument == "-h") {
      std::cout << Usage();
      return 0;
    } else if (scenarioPath.empty() && (argument == "-" || argument.front() != '-')) {
      scenarioPath = argument;
    } else {
      std::cerr << Usage();
      return 2;
    }
  }
  if (scenarioPath.empty()) {
    std::cerr << Usage();
    return 2;
  }

  std::stringstream text;
  if (scenarioPath == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream in(scenarioPath, std::ios::binary);
    if (!in) {
      std::cerr << "quendal-sim: cannot read " << scenarioPath << '\n';
      return 2;
    }
    text << in.rdbuf();
  }

  auto parsed = quendal::sim::ParseScenario(text.str());
  if (const auto* error = std::get_if<quendal::sim::ParseError>(&parsed)) {
    std::cerr << scenarioPath << ":" << error->line << ": " << error->message << '\n';
    return 2;
  }
  quendal::sim::VirtualStation station(std::get<quendal::sim::Scenario>(std::move(parsed)),
                                       std::cout, options);
  if (!station.Run(std::cerr)) return 1;
  if (options.keepFolder) std::cerr << "quendal-sim: folder kept at " << station.Folder() << '\n';
  return 0;
}
