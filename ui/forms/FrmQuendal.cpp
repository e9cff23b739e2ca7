#include "ui/forms/FrmQuendal.h"

namespace quendal::forms {
namespace {

constexpr std::string_view kForm = "frmquendal";
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGreen = Rgb(0, 255, 0);  // the lights' fill at start

// clang-format off
constexpr Control kControls[] = {
  // name, inside, caption, {left, top, width, height}, font, colours, picture
  Label("Label9", kForm, "", {240, 120, 6855, 1095}, kDefaultFont, kNoColour, Rgb(255, 255, 255)),
  AnimatedImage("AniGIF1", kForm, {240, 240, 1335, 1095}),
  AnimatedImage("AniGIF2", kForm, {240, 240, 735, 855}, Picture::Antenna),
  PictureBox("Picture1", kForm, {720, 240, 4095, 735}, Picture::Banner),
  AnimatedImage("AniGIF3", kForm, {5040, 120, 2055, 975}, Picture::Link),
  Label("Label10", kForm, "Quendal", {4200, 960, 975, 255}, Bold(8.25), kBlue),
  Label("Label1", kForm, "Habilita Quendal TTS", {240, 1320, 5175, 735}, SerifBold(27.75),
        Rgb(0, 128, 0)),
  Label("Label2", kForm, "", {5760, 1440, 1335, 495}, Bold(13.5), Rgb(0, 255, 0),
        System(SystemColour::ButtonText)).Bordered().Centred(),
  Frame("Frame1", kForm, "Selecione a opção", {240, 2040, 3615, 1575}, Bold(8.25), kBlue),
  CheckBox("Check1", "Frame1", "toda hora cheia", {240, 360, 2055, 375}, Bold(9.75)),
  CheckBox("Check2", "Frame1", "cada meia hora", {240, 720, 2055, 375}, Bold(9.75)),
  CheckBox("Check3", "Frame1", "cada quinze minutos", {240, 1080, 2655, 375}, Bold(9.75)),
  CheckBox("Check4", "Frame1", "", {2880, 600, 255, 255}),
  Label("Label5", "Frame1", "RF", {3120, 600, 255, 375}, Bold(8.25)),
  CheckBox("Check7", "Frame1", "", {2880, 960, 255, 255}),
  Label("Label6", "Frame1", "IP", {3120, 960, 255, 255}, Bold(8.25)),
  Frame("Frame2", kForm, "Temperatura", {4080, 2040, 3015, 1575}, Bold(8.25), kBlue),
  CheckBox("Check5", "Frame2", "valor automático", {240, 360, 1815, 375}, Bold(8.25)),
  Label("Label3", "Frame2", "", {2160, 360, 615, 375}, Bold(12)).Bordered().Centred(),
  CheckBox("Check6", "Frame2", "valor manual -->", {240, 960, 1695, 375}, Bold(8.25)),
  TextBox("Text1", "Frame2", {2160, 960, 615, 375}, Bold(12)),
  Frame("Frame3", kForm, "Sinal de recepção", {240, 3720, 3495, 855}, Bold(8.25), kBlue),
  Shape("Shape1", "Frame3", {120, 360, 495, 375}, kGreen),
  Label("Label7", "Frame3", "Rádio", {600, 360, 855, 255}, Bold(12)),
  Shape("Shape2", "Frame3", {1680, 360, 735, 375}, kGreen),
  Label("Label8", "Frame3", "Internet", {2280, 360, 1095, 375}, Bold(12)),
  PictureButton("Command5", kForm, "Grava opções", {5040, 3720, 975, 855}, kDefaultFont,
                Rgb(128, 255, 128), Picture::Save),
  PictureButton("Command6", kForm, "Lê as opções", {6120, 3720, 975, 855}, kDefaultFont,
                Rgb(128, 255, 255), Picture::Open),
  PictureButton("hora_rf", kForm, "Envia a hora (RF)", {240, 4680, 1455, 975}, kDefaultFont,
                Rgb(255, 255, 192), Picture::Clock),
  PictureButton("hora_ip", kForm, "Envia a hora (IP)", {1800, 4680, 1335, 975}, kDefaultFont,
                Rgb(255, 255, 192), Picture::Clock),
  PictureButton("Command2", kForm, "Envia Temperatura", {3240, 4680, 1575, 975}, kDefaultFont,
                Rgb(255, 224, 192), Picture::Thermometer),
  PictureButton("Command4", kForm, "Ajuda", {5040, 4800, 975, 855}, Bold(8.25),
                Rgb(255, 192, 192), Picture::Help),
  PictureButton("Command3", kForm, "Sobre", {6120, 4800, 975, 855}, Bold(8.25),
                Rgb(255, 255, 0), Picture::About),
  PictureButton("Command1", kForm, "Encerrar", {5640, 5760, 1455, 1095}, Bold(9.75),
                Rgb(255, 0, 0), Picture::Quit),
  Label("Label4", kForm,
        "OBS: Para que a seleção fique ativa, somente minimize ou deixe a janela aberta.",
        {240, 6120, 5295, 615}, Bold(12), Rgb(192, 0, 0)).Centred(),
};

// The keyboard order; the decoration follows, taking no focus either.
constexpr std::string_view kTabOrder[] = {
  "Command1", "Label1", "hora_rf", "hora_ip", "Frame1", "Check1", "Check2", "Check3", "Label2",
  "Frame2", "Text1", "Command2", "Check5", "Check6", "Label3", "Label4", "Check4", "Check7",
  "Label5", "Label6", "Command3", "Frame3", "Label7", "Label8", "Command4", "Command5",
  "Command6",
};
// clang-format on

static_assert(WellFormed(kForm, kControls, kTabOrder));

}  // namespace

const Form kFrmQuendal{kForm, "Quendal", 7320, 7050, kControls, kTabOrder};

}  // namespace quendal::forms
