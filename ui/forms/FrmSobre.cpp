#include "ui/forms/FrmSobre.h"

namespace quendal::forms {
namespace {

constexpr std::string_view kForm = "frmsobre";

// clang-format off
constexpr Control kControls[] = {
  // name, inside, caption, {left, top, width, height}, font, colours, picture
  AnimatedImage("AniGIF1", kForm, {120, 120, 855, 1215}, Picture::Tower),
  Label("Label1", kForm, "QUENDAL", {1560, 120, 2775, 615}, SerifBold(26.25),
        System(SystemColour::ActiveTitleBar)),
  Label("Label4", kForm, "Versão " QUENDAL_VERSION, {1440, 840, 3015, 375}, Bold(8.25)),
  Line("Line1", kForm, 120, 4560, 1320),
  Label("Label2", kForm, "Autor: equipe Quendal", {240, 1440, 4095, 495}, Bold(13.5),
        Rgb(0, 128, 0)),
  Label("Label5", kForm, "KORVA", {1440, 1800, 1455, 615}, SerifBold(24),
        System(SystemColour::Desktop)),
  Label("Label3", kForm, "Oficina de Software da Estação KORVA", {120, 2520, 4455, 375},
        Bold(8.25)),
  Line("Line4", kForm, 120, 4440, 3000),
  Label("Label6", kForm,
        "Quendal é software livre (GNU GPL, versão 3 ou posterior), sem garantia de "
        "qualquer espécie. Sugestões e críticas: quendal@korva.example.org",
        {120, 3120, 4455, 855}).Centred(),
  Line("Line3", kForm, 120, 4560, 4080),
  PictureButton("Command1", kForm, "Visitar Servidor  KORVA", {240, 4320, 2295, 1095},
                Bold(8.25), Rgb(192, 255, 255), Picture::Globe),
  PictureButton("ret", kForm, "Retornar", {3000, 4320, 1455, 1095}, Bold(8.25),
                Rgb(255, 192, 192), Picture::Back),
};

constexpr std::string_view kTabOrder[] = {"ret", "Command1"};

constexpr DialogButton kButtons[] = {
  {"Command1", DialogAction::OpenMakerPage},
  {"ret", DialogAction::Close},
};
// clang-format on

static_assert(WellFormed(kForm, kControls, kTabOrder));

}  // namespace

const Form kFrmSobre{kForm, "Sobre", 4680, 5580, kControls, kTabOrder};
const std::span<const DialogButton> kFrmSobreButtons = kButtons;

}  // namespace quendal::forms
