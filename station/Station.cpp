#include "station/Station.h"

#include <filesystem>

#include "ui/forms/Events.h"

namespace quendal {

Station::Station(const LaunchOptions& options, FrontEnd frontEnd, std::ostream* log)
    : frontEnd_(std::move(frontEnd)),
      hosts_(options.host, simulated_),
      files_(std::filesystem::current_path()),
      logged_(frontEnd_.clock, log, hosts_, frontEnd_.sound, files_, frontEnd_.messages,
              frontEnd_.app.path),
      controller_(Platform{logged_.hosts, logged_.sound, frontEnd_.pause, files_, logged_.clock,
                           logged_.messages, frontEnd_.desktop, frontEnd_.app}) {}

void Station::Start() {
  frontEnd_.ticks.Start(
      {[this] { return controller_.TimersEnabled(); }, [this] { forms::Tick(controller_); }});
  frontEnd_.gate.Run([this] { controller_.Form_Load(); });
}

}  // namespace quendal
