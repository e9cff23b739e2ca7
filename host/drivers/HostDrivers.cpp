#include "host/drivers/HostDrivers.h"

namespace quendal {
namespace {

const HostDriver* FindDriver(std::string_view name) {
  for (const HostDriver& driver : HostDrivers()) {
    if (driver.name == name) return &driver;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> NoAddress(std::string_view address) {
  if (!address.empty()) return std::nullopt;
  return std::string();
}

const HostDriver& SimulatedDriver() {
  static const HostDriver driver{
      "sim", "", "estação simulada", NoAddress,
      [](const HostChoice&) -> std::shared_ptr<HostObject> { return nullptr; }};
  return driver;
}

HostChoice DefaultHostChoice() { return HostChoice{std::string(HostDrivers().front().name), {}}; }

std::optional<HostChoice> ParseHostChoice(std::string_view text) {
  const std::size_t equals = text.find('=');
  const std::string_view name = text.substr(0, equals);
  const HostDriver* driver = FindDriver(name);
  if (driver == nullptr) return std::nullopt;
  const bool hasAddress = equals != std::string_view::npos;
  if (hasAddress && driver->addressUsage.empty()) return std::nullopt;
  const std::string_view address = hasAddress ? text.substr(equals + 1) : std::string_view{};
  std::optional<std::string> resolved = driver->resolveAddress(address);
  if (!resolved) return std::nullopt;
  return HostChoice{std::string(name), std::move(*resolved)};
}

bool IsSimulated(const HostChoice& choice) { return choice.driver == SimulatedDriver().name; }

std::string HostChoiceHelp() {
  std::string help = "A estação: ";
  bool first = true;
  for (const HostDriver& driver : HostDrivers()) {
    if (!first) help += " ou ";
    help += driver.name;
    if (!driver.addressUsage.empty()) {
      help += "[=";
      help += driver.addressUsage;
      help += ']';
    }
    help += " (";
    help += driver.description;
    if (first) help += ", padrão";
    help += ')';
    first = false;
  }
  return help + ".";
}

std::shared_ptr<HostObject> ChosenHostFactory::Create() {
  if (IsSimulated(choice_)) return simulated_;
  const HostDriver* driver = FindDriver(choice_.driver);
  return driver ? driver->make(choice_) : nullptr;
}

}  // namespace quendal
