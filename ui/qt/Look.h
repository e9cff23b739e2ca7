#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/forms/DesktopLook.h"
#include "ui/forms/Form.h"

class QWidget;

// The window designer's units and faces, mapped onto this desktop.
namespace quendal {

// Twips to device-independent pixels at `logicalDpi` (1440 twips to the inch, so 15 to a
// pixel at 96 dpi).
using forms::FromTwips;
QRect TwipsRect(const forms::Twips& place, qreal logicalDpi);

// The designer's default face, MS Sans Serif, or the closest sans face installed.
QFont SansFont(qreal points, bool bold);
// Times New Roman, or a metric-compatible serif (Liberation Serif) when it is missing.
QFont SerifFont(qreal points, bool bold);

// The default font of the windows: MS Sans Serif 8.25 pt, regular.
inline QFont DefaultFont() { return SansFont(8.25, false); }
// A designed font: Times New Roman, or else a sans face.
QFont FontOf(const forms::Font& font);

// A designed colour; the desktop's own come from `window`'s palette. Qt has no role for
// the desktop's colour, so that one is the classic desktop background.
QColor ColourOf(const forms::Colour& colour, const QWidget& window);

// Colours through the palette, so the style draws them; the window's own palette roles
// stay as they are for the widget's children unless they set their own.
void SetTextColour(QWidget& widget, const QColor& colour);
void SetBackground(QWidget& widget, const QColor& colour);

// Moves a top-level window so its client area sits in the middle of its screen.
void CentreOnScreen(QWidget& window);
// Moves the simulated station's window beside the main window, to its right.
void PlaceBeside(QWidget& station, const QWidget& main);

}  // namespace quendal
