#include "ui/qt/Controls.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/qt/Look.h"
#include "ui/qt/Pictures.h"
#include "ui/qt/widgets/AnimatedImage.h"
#include "ui/qt/widgets/LightShape.h"
#include "ui/qt/widgets/OptionBox.h"
#include "ui/qt/widgets/PictureButton.h"

namespace quendal {

Designer::Designer(QWidget& form) : form_(form), dpi_(form.logicalDpiY()) {
  form_.setFont(DefaultFont());
}

void Designer::Build(const forms::Form& design) {
  form_.setObjectName(Utf8(design.name));
  form_.setWindowTitle(Utf8(design.caption));
  form_.setFixedSize(Rect({0, 0, design.width, design.height}).size());
  for (const forms::Control& control : design.controls) {
    QWidget* parent =
        control.parent == design.name ? &form_ : form_.findChild<QWidget*>(Utf8(control.parent));
    Make(control, *parent);
  }
}

QRect Designer::Rect(const forms::Twips& place) const { return TwipsRect(place, dpi_); }

void Designer::Make(const forms::Control& control, QWidget& parent) {
  using Kind = forms::Kind;
  QWidget* made = nullptr;
  switch (control.kind) {
    case Kind::Label:
    case Kind::PictureBox:
      MakeLabel(control, parent);
      return;
    case Kind::Line:
      MakeLine(control, parent);
      return;
    case Kind::Frame:
      made = new QGroupBox(Utf8(control.caption), &parent);
      break;
    case Kind::CheckBox:
      made = new OptionBox(Utf8(control.caption), &parent);
      break;
    case Kind::PictureButton:
      made = new PictureButton(Utf8(control.caption), ColourOf(control.background, form_),
                               ButtonPictureFor(control.picture), &parent);
      break;
    case Kind::TextBox:
      made = new QLineEdit(&parent);
      break;
    case Kind::MultiLineTextBox: {
      auto* text = new QPlainTextEdit(&parent);
      text->setTabChangesFocus(true);
      text->setPlainText(Utf8(control.caption).replace("\r\n", "\n"));
      made = text;
      break;
    }
    case Kind::Shape:
      made = new LightShape(ColourOf(control.background, form_), &parent);
      break;
    case Kind::AnimatedImage: {
      auto* box = new AnimatedImage(&parent);
      Animate(*box, control.picture);
      made = box;
      break;
    }
  }
  made->setObjectName(Utf8(control.name));
  made->setGeometry(Rect(control.place));
  made->setFont(FontOf(control.font));
  KeepOwnTextColour(*made, parent);
  if (control.text != forms::kNoColour) SetTextColour(*made, ColourOf(control.text, form_));
}

void Designer::MakeLabel(const forms::Control& control, QWidget& parent) {
  auto* label = new QLabel(Utf8(control.caption), &parent);
  label->setObjectName(Utf8(control.name));
  label->setGeometry(Rect(control.place));
  label->setFont(FontOf(control.font));
  label->setWordWrap(true);
  // A bordered label is a one-line display, its text in the middle of the panel.
  const Qt::Alignment vertical = control.bordered ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | vertical);
  if (control.bordered) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (control.kind == forms::Kind::PictureBox) label->setPixmap(StillPictureFor(control.picture));
  KeepOwnTextColour(*label, parent);
  if (control.text != forms::kNoColour) SetTextColour(*label, ColourOf(control.text, form_));
  if (control.background != forms::kNoColour) {
    SetBackground(*label, ColourOf(control.background, form_));
  }
  if (forms::WidensToFit(control)) FitCaption(*label);
}

void Designer::MakeLine(const forms::Control& control, QWidget& parent) {
  auto* line = new QFrame(&parent);
  line->setObjectName(Utf8(control.name));
  line->setFrameStyle(QFrame::HLine | QFrame::Plain);
  line->setLineWidth(1);
  const QRect span = Rect(control.place);
  line->setGeometry(span.x(), span.y(), span.width(), 1);
  SetTextColour(*line, Qt::black);
}

void Designer::SetTabOrder(const forms::Form& design) {
  const std::vector<std::string_view> order = forms::FocusOrder(design);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(form_.findChild<QWidget*>(Utf8(order[i - 1])),
                         form_.findChild<QWidget*>(Utf8(order[i])));
  }
  form_.findChild<QWidget*>(Utf8(order.front()))->setFocus();
}

void Designer::KeepOwnTextColour(QWidget& control, QWidget& parent) const {
  if (&parent == &form_) return;
  SetTextColour(control, QApplication::palette().color(QPalette::WindowText));
}

void FitCaption(QLabel& label) {
  label.setWordWrap(false);
  const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2 * label.margin() + 2;
  if (needed > label.width()) label.resize(needed, label.height());
}

}  // namespace quendal
