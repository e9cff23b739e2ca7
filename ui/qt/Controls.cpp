#include "ui/qt/Controls.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "ui/qt/Look.h"
#include "ui/qt/widgets/OptionBox.h"
#include "ui/qt/widgets/PictureButton.h"

namespace quendal {
namespace {

// Every designed control carries its designer name, its place and its face.
void Place(QWidget& control, const char* name, QRect where, const QFont& font) {
  control.setObjectName(name);
  control.setGeometry(where);
  control.setFont(font);
}

}  // namespace

Designer::Designer(QWidget& form) : form_(form), dpi_(form.logicalDpiY()) {
  form_.setFont(DefaultFont());
}

QRect Designer::Rect(int left, int top, int width, int height) const {
  return TwipsRect(left, top, width, height, dpi_);
}

QLabel& Designer::Label(QWidget& parent, const char* name, const QString& caption, QRect where,
                        const QFont& font) {
  auto* label = new QLabel(caption, &parent);
  Place(*label, name, where, font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  KeepOwnTextColour(*label, parent);
  return *label;
}

QGroupBox& Designer::Frame(QWidget& parent, const char* name, const QString& caption, QRect where,
                           const QFont& font, const QColor& captionColour) {
  auto* frame = new QGroupBox(caption, &parent);
  Place(*frame, name, where, font);
  SetTextColour(*frame, captionColour);
  return *frame;
}

OptionBox& Designer::Box(QWidget& parent, const char* name, const QString& caption, QRect where,
                         const QFont& font) {
  auto* box = new OptionBox(caption, &parent);
  Place(*box, name, where, font);
  KeepOwnTextColour(*box, parent);
  return *box;
}

PictureButton& Designer::Button(QWidget& parent, const char* name, const QString& caption,
                                QRect where, const QFont& font, const QColor& background,
                                const QPixmap& picture) {
  auto* button = new PictureButton(caption, background, picture, &parent);
  Place(*button, name, where, font);
  return *button;
}

QFrame& Designer::HorizontalLine(QWidget& parent, const char* name, int x1, int x2, int y) {
  auto* line = new QFrame(&parent);
  line->setObjectName(name);
  line->setFrameStyle(QFrame::HLine | QFrame::Plain);
  line->setLineWidth(1);
  const QRect span = Rect(x1, y, x2 - x1, 0);
  line->setGeometry(span.x(), span.y(), span.width(), 1);
  SetTextColour(*line, Qt::black);
  return *line;
}

void Designer::FitCaption(QLabel& label) const {
  label.setWordWrap(false);
  const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2 * label.margin() + 2;
  if (needed > label.width()) label.resize(needed, label.height());
}

void Designer::KeepOwnTextColour(QWidget& control, QWidget& parent) const {
  if (&parent == &form_) return;
  SetTextColour(control, QApplication::palette().color(QPalette::WindowText));
}

}  // namespace quendal
