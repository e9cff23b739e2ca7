#include "ui/qt/FrmQuendal.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/StationController.h"
#include "host/ReceptionLights.h"
#include "ui/forms/Events.h"
#include "ui/forms/FrmQuendal.h"
#include "ui/qt/Controls.h"
#include "ui/qt/art/Artwork.h"
#include "ui/qt/platform/EventGate.h"
#include "ui/qt/widgets/LightShape.h"
#include "ui/qt/widgets/OptionBox.h"

namespace quendal {
namespace {

// Light colours come as the platform's blue-green-red values.
QColor LightQColor(LightColour colour) {
  const unsigned value = ColourValue(colour);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

template <typename T>
T& FrmQuendal::Find(std::string_view name) {
  return *findChild<T*>(Utf8(name));
}

FrmQuendal::FrmQuendal(StationController& controller, EventGate& gate, QWidget* parent)
    : QWidget(parent), controller_(controller), gate_(gate) {
  setWindowIcon(WindowIcon());
  // Minimising keeps the program working, so it stays possible; the size is fixed.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  Designer d(*this);
  d.Build(forms::kFrmQuendal);
  Wire();
  d.SetTabOrder(forms::kFrmQuendal);
  view_.emplace(controller_, static_cast<forms::FormPanel&>(*this));
}

FrmQuendal::~FrmQuendal() = default;

void FrmQuendal::Wire() {
  for (const forms::ClickHandler& click : forms::kClicks) {
    connect(&Find<QAbstractButton>(click.control), &QAbstractButton::clicked, this,
            [this, run = click.run] { gate_.User([this, run] { run(controller_); }); });
  }
  for (const forms::TypingHandler& typing : forms::kTyping) {
    connect(&Find<QLineEdit>(typing.control), &QLineEdit::textEdited, this,
            [this, run = typing.run](const QString& text) {
              gate_.User([this, run, text] { run(controller_, text.toStdString()); });
            });
  }
}

void FrmQuendal::closeEvent(QCloseEvent* event) {
  // The controller decides; the window closes only once the program has ended.
  event->ignore();
  if (gate_.Busy()) {
    gate_.HoldClose([this] { controller_.AskQuit(); });
    return;
  }
  bool ended = false;
  gate_.Run([this, &ended] { ended = controller_.AskQuit(); });
  if (ended) event->accept();
}

void FrmQuendal::ShowCheck(std::string_view control, std::int16_t value) {
  Find<OptionBox>(control).ShowValue(value);
}

void FrmQuendal::ShowText(std::string_view control, const std::string& utf8) {
  // A label or a text box, whichever the table made.
  QWidget& widget = Find<QWidget>(control);
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(FromUtf8(utf8));
  } else {
    static_cast<QLineEdit&>(widget).setText(FromUtf8(utf8));
  }
}

void FrmQuendal::ShowLight(std::string_view control, LightColour colour) {
  Find<LightShape>(control).SetFill(LightQColor(colour));
}

}  // namespace quendal
