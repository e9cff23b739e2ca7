#include "ui/qt/art/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "ui/forms/DesktopLook.h"

namespace quendal {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A blank frame of `picture` at its designed size.
QPixmap Blank(forms::Picture picture, const QColor& fill) {
  const forms::PictureLook look = forms::LookOf(picture);
  QPixmap pixmap(look.width, look.height);
  pixmap.fill(fill);
  return pixmap;
}

QPixmap Blank(int width, int height, const QColor& fill = Qt::transparent) {
  QPixmap pixmap(width, height);
  pixmap.fill(fill);
  return pixmap;
}

void Prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
}

// A lattice mast standing on `base`, `height` tall, `halfWidth` wide at the foot.
void DrawMast(QPainter& painter, QPointF base, double height, double halfWidth,
              const QColor& colour) {
  const QPointF top(base.x(), base.y() - height);
  const QPointF left(base.x() - halfWidth, base.y());
  const QPointF right(base.x() + halfWidth, base.y());
  painter.setPen(QPen(colour, std::max(1.0, halfWidth / 6), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(left, top);
  painter.drawLine(right, top);
  const int rungs = std::max(3, static_cast<int>(height / (halfWidth * 1.2)));
  QPointF previousLeft = left;
  QPointF previousRight = right;
  for (int i = 1; i <= rungs; ++i) {
    const double t = static_cast<double>(i) / (rungs + 1);
    const QPointF l = left + (top - left) * t;
    const QPointF r = right + (top - right) * t;
    painter.drawLine(l, r);
    painter.drawLine(previousLeft, r);
    painter.drawLine(previousRight, l);
    previousLeft = l;
    previousRight = r;
  }
}

// Arcs around `centre` on both sides, `count` of them, the newest at `phase` in [0, 1).
void DrawWaves(QPainter& painter, QPointF centre, double maxRadius, double phase, int count,
               const QColor& colour, double width) {
  for (int i = 0; i < count; ++i) {
    const double t = std::fmod(phase + static_cast<double>(i) / count, 1.0);
    const double radius = 3 + t * (maxRadius - 3);
    QColor faded = colour;
    faded.setAlphaF(static_cast<float>(1.0 - t * 0.85));
    painter.setPen(QPen(faded, width, Qt::SolidLine, Qt::RoundCap));
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(box, -40 * 16, 80 * 16);
    painter.drawArc(box, 140 * 16, 80 * 16);
  }
}

void DrawGlobe(QPainter& painter, QPointF centre, double radius, double turn) {
  QRadialGradient ocean(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
  ocean.setColorAt(0, QColor(120, 190, 255));
  ocean.setColorAt(1, QColor(0, 60, 170));
  painter.setPen(QPen(QColor(0, 40, 120), 1.5));
  painter.setBrush(ocean);
  painter.drawEllipse(centre, radius, radius);

  painter.save();
  QPainterPath clip;
  clip.addEllipse(centre, radius, radius);
  painter.setClipPath(clip);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(230, 245, 255, 170), 1));
  for (int i = 0; i < 6; ++i) {
    // Meridians are ellipses whose width follows the cosine of their longitude.
    const double longitude = (i / 6.0 + turn) * kPi;
    const double half = std::abs(std::cos(longitude)) * radius;
    painter.drawEllipse(centre, half, radius);
  }
  for (int i = -2; i <= 2; ++i) {
    const double y = centre.y() + i * radius / 3;
    const double half = std::sqrt(std::max(0.0, radius * radius - std::pow(y - centre.y(), 2)));
    painter.drawLine(QPointF(centre.x() - half, y), QPointF(centre.x() + half, y));
  }
  // Two green land masses travelling with the turn.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 170, 70));
  for (double offset : {0.0, 0.55}) {
    const double longitude = std::fmod(turn + offset, 1.0) * 2 * kPi;
    const double x = centre.x() + std::sin(longitude) * radius * 0.7;
    if (std::cos(longitude) < 0) continue;  // on the far side
    const double squeeze = std::max(0.2, std::cos(longitude));
    painter.drawEllipse(QPointF(x, centre.y() - radius * 0.15 + offset * 20 - 5),
                        radius * 0.28 * squeeze, radius * 0.35);
  }
  painter.restore();
}

}  // namespace

QPixmap ButtonIcon(ButtonPicture picture) {
  QPixmap pixmap = Blank(16, 16);
  QPainter painter(&pixmap);
  Prepare(painter);
  switch (picture) {
    case ButtonPicture::Clock:
      painter.setPen(QPen(Qt::black, 1.2));
      painter.setBrush(Qt::white);
      painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(8, 8), QPointF(8, 3.5));
      painter.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
      break;
    case ButtonPicture::Thermometer:
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(Qt::white);
      painter.drawRoundedRect(QRectF(6.5, 0.5, 4, 11), 2, 2);
      painter.setBrush(QColor(220, 0, 0));
      painter.drawEllipse(QRectF(5, 9.5, 7, 6));
      painter.setPen(Qt::NoPen);
      painter.drawRect(QRectF(7.5, 4, 2, 7));
      break;
    case ButtonPicture::Save:
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(QColor(40, 60, 160));
      painter.drawRect(QRectF(1.5, 1.5, 13, 13));
      painter.setBrush(Qt::white);
      painter.drawRect(QRectF(4, 1.5, 8, 5));
      painter.setBrush(QColor(200, 200, 200));
      painter.drawRect(QRectF(4, 9, 8, 5.5));
      break;
    case ButtonPicture::Open:
      painter.setPen(QPen(QColor(120, 80, 0), 1));
      painter.setBrush(QColor(250, 210, 80));
      painter.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(6, 3), QPointF(7.5, 5), QPointF(15, 5),
                                     QPointF(15, 14), QPointF(1, 14)}));
      painter.setBrush(QColor(255, 235, 140));
      painter.drawPolygon(
          QPolygonF({QPointF(3, 7), QPointF(15, 7), QPointF(13.5, 14), QPointF(1, 14)}));
      break;
    case ButtonPicture::Help:
    case ButtonPicture::About: {
      const bool help = picture == ButtonPicture::Help;
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(help ? QColor(30, 90, 220) : QColor(0, 140, 90));
      painter.drawEllipse(QRectF(1, 1, 14, 14));
      QFont font("Liberation Serif");
      font.setPixelSize(12);
      font.setBold(true);
      painter.setFont(font);
      painter.setPen(Qt::white);
      painter.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, help ? "?" : "i");
      break;
    }
    case ButtonPicture::Quit:
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(QColor(150, 90, 40));
      painter.drawRect(QRectF(2.5, 1.5, 8, 13));
      painter.setBrush(Qt::yellow);
      painter.drawEllipse(QRectF(8, 8, 2, 2));
      painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(9, 5), QPointF(15, 5));
      painter.drawLine(QPointF(13, 3), QPointF(15, 5));
      painter.drawLine(QPointF(13, 7), QPointF(15, 5));
      break;
    case ButtonPicture::Globe:
      DrawGlobe(painter, QPointF(8, 8), 7, 0.1);
      break;
    case ButtonPicture::Back:
      painter.setPen(QPen(QColor(0, 90, 0), 1));
      painter.setBrush(QColor(40, 170, 40));
      painter.drawPolygon(QPolygonF({QPointF(1, 8), QPointF(8, 1.5), QPointF(8, 5), QPointF(15, 5),
                                     QPointF(15, 11), QPointF(8, 11), QPointF(8, 14.5)}));
      break;
  }
  return pixmap;
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap = Blank(size, size);
    QPainter painter(&pixmap);
    Prepare(painter);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 64, 160));
    painter.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);
    DrawWaves(painter, QPointF(9, 11), 9, 0.15, 2, QColor(255, 255, 120), 1.8);
    DrawMast(painter, QPointF(9, 30), 19, 4, QColor(230, 230, 230));
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(15, 13, 16, 16));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(23, 21), QPointF(23, 15.5));
    painter.drawLine(QPointF(23, 21), QPointF(27, 23));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

std::vector<QPixmap> AntennaFrames() {
  std::vector<QPixmap> frames;
  constexpr int kCount = forms::LookOf(forms::Picture::Antenna).frames;
  for (int i = 0; i < kCount; ++i) {
    QPixmap frame = Blank(forms::Picture::Antenna, Qt::white);
    QPainter painter(&frame);
    Prepare(painter);
    DrawMast(painter, QPointF(17.5, 44), 32, 6, QColor(90, 90, 90));
    DrawWaves(painter, QPointF(17.5, 12), 17, static_cast<double>(i) / kCount, 3, QColor(0, 0, 220),
              1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(i % 2 == 0 ? QColor(255, 0, 0) : QColor(120, 0, 0));
    painter.drawEllipse(QPointF(17.5, 11), 2, 2);
    frames.push_back(frame);
  }
  return frames;
}

QPixmap HostBanner() {
  QPixmap banner = Blank(forms::Picture::Banner, Qt::white);
  QPainter painter(&banner);
  Prepare(painter);
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(40);
  font.setBold(true);
  font.setItalic(true);
  painter.setFont(font);
  const QRect area = banner.rect();
  painter.setPen(QColor(170, 190, 230));
  painter.drawText(area.translated(2, 2), Qt::AlignCenter, "EchoLink");
  painter.setPen(QColor(0, 0, 200));
  painter.drawText(area, Qt::AlignCenter, "EchoLink");
  return banner;
}

std::vector<QPixmap> LinkFrames() {
  std::vector<QPixmap> frames;
  constexpr int kCount = forms::LookOf(forms::Picture::Link).frames;
  for (int i = 0; i < kCount; ++i) {
    const double phase = static_cast<double>(i) / kCount;
    QPixmap frame = Blank(forms::Picture::Link, Qt::white);
    QPainter painter(&frame);
    Prepare(painter);
    DrawGlobe(painter, QPointF(62, 60), 50, phase);
    DrawMast(painter, QPointF(235, 116), 92, 14, QColor(80, 80, 80));
    // A packet travelling from the globe up to the mast's top along an arc.
    QPainterPath link;
    link.moveTo(108, 45);
    link.quadTo(170, -5, 232, 30);
    painter.setPen(QPen(QColor(0, 120, 0), 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(link);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 0, 0));
    painter.drawEllipse(link.pointAtPercent(phase), 5, 5);
    DrawWaves(painter, QPointF(235, 26), 40, phase, 3, QColor(0, 0, 220), 2);
    frames.push_back(frame);
  }
  return frames;
}

std::vector<QPixmap> TowerFrames() {
  std::vector<QPixmap> frames;
  constexpr int kCount = forms::LookOf(forms::Picture::Tower).frames;
  for (int i = 0; i < kCount; ++i) {
    QPixmap frame = Blank(forms::Picture::Tower, Qt::transparent);
    QPainter painter(&frame);
    Prepare(painter);
    QLinearGradient sky(0, 0, 0, 263);
    sky.setColorAt(0, QColor(150, 200, 255));
    sky.setColorAt(1, QColor(235, 245, 255));
    painter.fillRect(frame.rect(), sky);
    painter.fillRect(QRectF(0, 250, 120, 13), QColor(70, 140, 60));
    DrawMast(painter, QPointF(60, 252), 205, 22, QColor(200, 40, 40));
    DrawWaves(painter, QPointF(60, 45), 58, static_cast<double>(i) / kCount, 3, QColor(0, 0, 200),
              2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(i % 2 == 0 ? QColor(255, 30, 30) : QColor(110, 0, 0));
    painter.drawEllipse(QPointF(60, 44), 4, 4);
    frames.push_back(frame);
  }
  return frames;
}

}  // namespace quendal
