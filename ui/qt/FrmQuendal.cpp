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
  FindViews();
  Wire();
  d.SetTabOrder(forms::kFrmQuendal);
  ShowAll(*this);
  controller_.SetView(this);
}

FrmQuendal::~FrmQuendal() { controller_.SetView(nullptr); }

void FrmQuendal::FindViews() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = &Find<OptionBox>(BoxName(static_cast<Box>(i + 1)));
  }
  text1_ = &Find<QLineEdit>("Text1");
  label2_ = &Find<QLabel>("Label2");
  label3_ = &Find<QLabel>("Label3");
  shape1_ = &Find<LightShape>("Shape1");
  shape2_ = &Find<LightShape>("Shape2");
}

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

void FrmQuendal::BoxChanged(Box box) {
  boxes_[static_cast<std::size_t>(box) - 1]->ShowValue(controller_.Options().Value(box));
}

void FrmQuendal::Text1Changed() { text1_->setText(FromUtf8(controller_.Options().Text1())); }

void FrmQuendal::DisplayChanged(DisplayField field) {
  const Display& display = controller_.GetDisplay();
  switch (field) {
    case DisplayField::Label2:
      label2_->setText(FromUtf8(display.Label2));
      return;
    case DisplayField::Label3:
      label3_->setText(FromUtf8(display.Label3));
      return;
    case DisplayField::Shape1:
      shape1_->SetFill(LightQColor(display.Shape1));
      return;
    case DisplayField::Shape2:
      shape2_->SetFill(LightQColor(display.Shape2));
      return;
  }
}

}  // namespace quendal
