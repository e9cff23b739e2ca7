#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host/HostObject.h"
#include "host/SimulatedHost.h"

namespace quendal {

// The station the program drives, as named on its command line: "--host NAME[=ADDRESS]".
struct HostChoice {
  std::string driver;  // a HostDriver's name
  // What followed '=', for a driver that takes one, in the form its link uses: names in
  // it are looked up once, while the command line is read, never by the running link.
  std::string address;
};

// One kind of station link, picked by name as rig-control programs pick a driver.
struct HostDriver {
  std::string_view name;
  std::string_view addressUsage;  // "" when the driver takes no address
  std::string_view description;   // for --help, in the program's language
  // The address part ("" means the default) in the form the link uses, any name in it
  // looked up now; nullopt when the driver cannot use it or a name is unknown.
  std::optional<std::string> (*resolveAddress)(std::string_view address);
  // Makes the link. nullptr when the station cannot be reached.
  std::shared_ptr<HostObject> (*make)(const HostChoice& choice);
};

// The drivers built for this system; the first is the default.
std::span<const HostDriver> HostDrivers();

HostChoice DefaultHostChoice();
// nullopt for an unknown driver, or an address its driver refuses or cannot resolve.
std::optional<HostChoice> ParseHostChoice(std::string_view text);
bool IsSimulated(const HostChoice& choice);
// The drivers and their addresses in one line of --help.
std::string HostChoiceHelp();

// Makes the chosen link; the simulated station is the caller's, which shows it in a window.
class ChosenHostFactory final : public HostFactory {
 public:
  ChosenHostFactory(HostChoice choice, std::shared_ptr<SimulatedHost> simulated)
      : choice_(std::move(choice)), simulated_(std::move(simulated)) {}
  std::shared_ptr<HostObject> Create() override;

 private:
  HostChoice choice_;
  std::shared_ptr<SimulatedHost> simulated_;
};

// resolveAddress of a driver that takes no address.
std::optional<std::string> NoAddress(std::string_view address);

// The simulated station's driver, in every system's list.
const HostDriver& SimulatedDriver();

}  // namespace quendal
