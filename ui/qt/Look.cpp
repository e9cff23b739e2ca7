#include "ui/qt/Look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <cmath>

namespace quendal {
namespace {

QString FirstInstalled(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

QFont Face(const QStringList& families, QFont::StyleHint hint, qreal points, bool bold) {
  QFont font;
  const QString family = FirstInstalled(families);
  if (!family.isEmpty()) font.setFamily(family);
  font.setStyleHint(hint);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

QRect TwipsRect(const forms::Twips& place, qreal logicalDpi) {
  const forms::PixelEdges edges = forms::EdgesOf(place, logicalDpi);
  return QRect(QPoint(edges.left, edges.top), QPoint(edges.right - 1, edges.bottom - 1));
}

QFont SansFont(qreal points, bool bold) {
  return Face({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"},
              QFont::SansSerif, points, bold);
}

QFont SerifFont(qreal points, bool bold) {
  return Face({"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"}, QFont::Serif,
              points, bold);
}

QFont FontOf(const forms::Font& font) {
  return font.face == forms::kTimesNewRoman ? SerifFont(font.points, font.bold)
                                            : SansFont(font.points, font.bold);
}

QColor ColourOf(const forms::Colour& colour, const QWidget& window) {
  using Source = forms::Colour::Source;
  if (colour.source == Source::Rgb) return QColor(colour.red, colour.green, colour.blue);
  if (colour.source == Source::None) return {};
  switch (colour.system) {
    case forms::SystemColour::ButtonText:
      return window.palette().color(QPalette::ButtonText);
    case forms::SystemColour::ActiveTitleBar:
      return window.palette().color(QPalette::Active, QPalette::Highlight);
    case forms::SystemColour::Desktop:
      return QColor(0, 128, 128);
  }
  return {};
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, colour);
  }
  widget.setPalette(palette);
}

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(role, colour);
  }
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  window.move(available.center() - window.rect().center());
}

void PlaceBeside(QWidget& station, const QWidget& main) {
  const QRect frame = main.frameGeometry();
  station.move(frame.right() + forms::kStationGap, frame.top());
}

}  // namespace quendal
