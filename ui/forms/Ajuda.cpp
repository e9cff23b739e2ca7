#include "ui/forms/Ajuda.h"

namespace quendal::forms {

constexpr std::string_view kHelpTextLines =
    "Quendal foi criado para proporcionar \r\n"
    "mensagens de horas e temperaturas \r\n"
    "para amigos que estão lincados via IP \r\n"
    "ou ainda RF.\r\n"
    " \r\n"
    "Este programa utiliza mensagens pré \r\n"
    "gravadas, tanto para Quendals como \r\n"
    "para temperatura em suas respectivas \r\n"
    "pastas.\r\n"
    " \r\n"
    "Para a temperatura automática pode-se utilizar qualquer programa que se atualize via "
    "internet e grave-se exportando em um arquivo temperatura.html.\r\n";
const std::string_view kHelpText = kHelpTextLines;

namespace {

constexpr std::string_view kForm = "Ajuda";

// clang-format off
constexpr Control kControls[] = {
  // name, inside, caption, {left, top, width, height}, font, colours, picture
  Label("Label1", kForm, "Quendal", {1560, 120, 2055, 735}, SerifBold(27.75), Rgb(0, 0, 255)),
  MultiLineTextBox("Text1", kForm, kHelpTextLines, {240, 960, 4695, 3495}, Bold(9.75)),
  PictureButton("Command1", kForm, "Retornar", {3600, 4560, 1335, 975}, Bold(9.75),
                Rgb(255, 192, 192), Picture::Back),
};

constexpr std::string_view kTabOrder[] = {"Command1", "Text1"};

constexpr DialogButton kButtons[] = {{"Command1", DialogAction::Close}};
// clang-format on

static_assert(WellFormed(kForm, kControls, kTabOrder));

}  // namespace

const Form kAjuda{kForm, "Ajuda", 5145, 5700, kControls, kTabOrder};
const std::span<const DialogButton> kAjudaButtons = kButtons;

}  // namespace quendal::forms
