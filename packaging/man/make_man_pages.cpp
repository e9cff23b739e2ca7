// Writes the manual pages quendal.1 and quendal-sim.1 into the folder named on the command
// line, from the option tables the programs' --help prints.

#include <fstream>
#include <iostream>
#include <string>

#include "launch/LaunchOptions.h"
#include "launch/ManPage.h"
#include "sim/SimOptions.h"

namespace {

constexpr const char* kQuendalDescription =
    "Anuncia a hora certa, e se quiser a temperatura, com trechos gravados em WAV: pelo "
    "rádio, com o transmissor acionado enquanto os trechos tocam na placa de som, ou pela "
    "internet, entregando os trechos ao programa de VoIP para as estações conectadas. Fala "
    "sozinho a cada hora cheia, meia hora ou quinze minutos, e nunca enquanto a estação "
    "recebe.\n\n"
    "Sem --headless abre a janela do programa; as opções ficam em quendal.txt, na pasta "
    "atual.";

constexpr const char* kQuendalFiles =
    "quendal.txt: as opções, na pasta atual (\"Grava opções\" e \"Lê as opções\").\n\n"
    "hora/ e temperatura/: os trechos gravados (hrs00.wav a hrs23.wav, min00.wav a min59.wav, "
    "tmp000.wav a tmp040.wav), na pasta do programa ou na de --folder.\n\n"
    "temperatura.html: a temperatura que um programa de meteorologia grava, na mesma pasta.";

constexpr const char* kQuendalSeeAlso =
    "quendal-sim(1), rigctld(1). O guia do operador, em português: "
    "/usr/share/doc/quendal/guia.html.";

constexpr const char* kSimMore =
    "Each line of SCENARIO is one directive (clock, clips, file, host, answer, at, run); "
    "the timeline lists, one a line, what the program put on the air, with the seconds since "
    "the start.\n\nSee also quendal(1).";

bool Write(const std::string& path, const std::string& page) {
  std::ofstream out(path, std::ios::binary);
  out << page;
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_man_pages VERSION FOLDER\n";
    return 2;
  }
  const std::string version = argv[1];
  const std::string folder = argv[2];
  const std::vector<quendal::CommandOption> options = quendal::LaunchCommandOptions();
  quendal::ManPageText quendal{
      .name = "quendal",
      .version = version,
      .summary = "anuncia a hora e a temperatura numa estação de radioamador",
      .synopsis = "[opções]",
      .description = kQuendalDescription,
      .options = options,
      .headings = {"NOME", "SINOPSE", "DESCRIÇÃO", "OPÇÕES"},
      .sections = {{"ARQUIVOS", kQuendalFiles}, {"VEJA TAMBÉM", kQuendalSeeAlso}},
  };
  quendal::ManPageText sim{
      .name = "quendal-sim",
      .version = version,
      .summary = quendal::sim::kSimSummary,
      .synopsis = quendal::sim::kSimSynopsis,
      .description = quendal::sim::kSimDescription,
      .options = quendal::sim::kSimOptions,
      .sections = {{"SCENARIOS", kSimMore}},
  };
  const bool written = Write(folder + "/quendal.1", quendal::ManPage(quendal)) &&
                       Write(folder + "/quendal-sim.1", quendal::ManPage(sim));
  if (!written) std::cerr << "make_man_pages: cannot write into " << folder << '\n';
  return written ? 0 : 1;
}
