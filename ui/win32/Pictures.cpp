#include "ui/win32/Pictures.h"

#include <algorithm>
#include <cmath>

#include "ui/forms/DesktopLook.h"

namespace quendal::win32 {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Size {
  int width, height;
};

// Pens and brushes made for one drawing step and deleted after it.
class Pen {
 public:
  Pen(HDC dc, COLORREF colour, int width = 1, int style = PS_SOLID)
      : dc_(dc), pen_(CreatePen(style, width, colour)), old_(SelectObject(dc, pen_)) {}
  ~Pen() {
    SelectObject(dc_, old_);
    DeleteObject(pen_);
  }

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ old_;
};

class Brush {
 public:
  Brush(HDC dc, COLORREF colour)
      : dc_(dc), brush_(CreateSolidBrush(colour)), old_(SelectObject(dc, brush_)) {}
  ~Brush() {
    SelectObject(dc_, old_);
    DeleteObject(brush_);
  }

 private:
  HDC dc_;
  HBRUSH brush_;
  HGDIOBJ old_;
};

// How far through its turn an animation's frame is, 0 to just under 1.
double Phase(forms::Picture picture, int frame) {
  return static_cast<double>(frame) / forms::LookOf(picture).frames;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

void LineTo(HDC dc, double x1, double y1, double x2, double y2) {
  MoveToEx(dc, Round(x1), Round(y1), nullptr);
  ::LineTo(dc, Round(x2), Round(y2));
}

void Circle(HDC dc, double x, double y, double rx, double ry) {
  Ellipse(dc, Round(x - rx), Round(y - ry), Round(x + rx), Round(y + ry));
}

// `colour` faded towards white by `amount` in [0, 1].
COLORREF Faded(COLORREF colour, double amount) {
  const auto mix = [amount](int part) { return static_cast<BYTE>(part + (255 - part) * amount); };
  return RGB(mix(GetRValue(colour)), mix(GetGValue(colour)), mix(GetBValue(colour)));
}

// Logical units of the design's size mapped onto `box`, the aspect kept, centred.
void MapDesign(HDC dc, Size design, const RECT& box) {
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const double scale = std::min(static_cast<double>(width) / design.width,
                                static_cast<double>(height) / design.height);
  const int fittedWidth = Round(design.width * scale);
  const int fittedHeight = Round(design.height * scale);
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowExtEx(dc, design.width, design.height, nullptr);
  SetViewportExtEx(dc, fittedWidth, fittedHeight, nullptr);
  SetViewportOrgEx(dc, box.left + (width - fittedWidth) / 2, box.top + (height - fittedHeight) / 2,
                   nullptr);
}

// A lattice mast standing on (x, y), `height` tall, `half` wide at the foot.
void DrawMast(HDC dc, double x, double y, double height, double half, COLORREF colour) {
  const Pen pen(dc, colour, std::max(1, Round(half / 6)));
  const double top = y - height;
  LineTo(dc, x - half, y, x, top);
  LineTo(dc, x + half, y, x, top);
  const int rungs = std::max(3, static_cast<int>(height / (half * 1.2)));
  double previousLeft = x - half, previousRight = x + half, previousY = y;
  for (int i = 1; i <= rungs; ++i) {
    const double t = static_cast<double>(i) / (rungs + 1);
    const double left = x - half * (1 - t), right = x + half * (1 - t), level = y - height * t;
    LineTo(dc, left, level, right, level);
    LineTo(dc, previousLeft, previousY, right, level);
    LineTo(dc, previousRight, previousY, left, level);
    previousLeft = left;
    previousRight = right;
    previousY = level;
  }
}

// Arcs on both sides of (x, y), `count` of them, the newest at `phase` in [0, 1).
void DrawWaves(HDC dc, double x, double y, double maxRadius, double phase, int count,
               COLORREF colour, int width) {
  for (int i = 0; i < count; ++i) {
    const double t = std::fmod(phase + static_cast<double>(i) / count, 1.0);
    const double r = 3 + t * (maxRadius - 3);
    const Pen pen(dc, Faded(colour, t * 0.85), width);
    const double dx = r * std::cos(40 * kPi / 180), dy = r * std::sin(40 * kPi / 180);
    const int l = Round(x - r), tp = Round(y - r), rt = Round(x + r), b = Round(y + r);
    Arc(dc, l, tp, rt, b, Round(x + dx), Round(y + dy), Round(x + dx), Round(y - dy));
    Arc(dc, l, tp, rt, b, Round(x - dx), Round(y - dy), Round(x - dx), Round(y + dy));
  }
}

void DrawGlobe(HDC dc, double x, double y, double r, double turn) {
  {
    const Pen pen(dc, RGB(0, 40, 120), 2);
    const Brush ocean(dc, RGB(40, 110, 220));
    Circle(dc, x, y, r, r);
  }
  const Pen grid(dc, RGB(170, 210, 250));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  for (int i = 0; i < 6; ++i) {
    // Meridians are ellipses whose width follows the cosine of their longitude.
    const double half = std::abs(std::cos((i / 6.0 + turn) * kPi)) * r;
    Circle(dc, x, y, half, r);
  }
  for (int i = -2; i <= 2; ++i) {
    const double level = y + i * r / 3;
    const double half = std::sqrt(std::max(0.0, r * r - (level - y) * (level - y)));
    LineTo(dc, x - half, level, x + half, level);
  }
  // Two land masses travelling with the turn, hidden on the far side.
  const Pen none(dc, RGB(60, 170, 70));
  const Brush land(dc, RGB(60, 170, 70));
  for (double offset : {0.0, 0.55}) {
    const double longitude = std::fmod(turn + offset, 1.0) * 2 * kPi;
    if (std::cos(longitude) < 0) continue;
    const double squeeze = std::max(0.2, std::cos(longitude));
    Circle(dc, x + std::sin(longitude) * r * 0.7, y - r * 0.15 + offset * 20 - 5,
           r * 0.28 * squeeze, r * 0.35);
  }
}

void DrawText(HDC dc, const wchar_t* text, int height, bool italic, COLORREF colour, RECT area,
              const wchar_t* face = L"Arial") {
  const HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, italic, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                 VARIABLE_PITCH, face);
  const HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  ::DrawTextW(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

void DrawAntenna(HDC dc, int frame) {
  DrawMast(dc, 17.5, 44, 32, 6, RGB(90, 90, 90));
  DrawWaves(dc, 17.5, 12, 17, Phase(forms::Picture::Antenna, frame), 3, RGB(0, 0, 220), 1);
  const Pen pen(dc, frame % 2 == 0 ? RGB(255, 0, 0) : RGB(120, 0, 0));
  const Brush light(dc, frame % 2 == 0 ? RGB(255, 0, 0) : RGB(120, 0, 0));
  Circle(dc, 17.5, 11, 2, 2);
}

void DrawBanner(HDC dc) {
  DrawText(dc, L"EchoLink", 40, true, RGB(170, 190, 230), {2, 2, 276, 53});
  DrawText(dc, L"EchoLink", 40, true, RGB(0, 0, 200), {0, 0, 274, 51});
}

void DrawLink(HDC dc, int frame) {
  const double phase = Phase(forms::Picture::Link, frame);
  DrawGlobe(dc, 62, 60, 50, phase);
  DrawMast(dc, 235, 116, 92, 14, RGB(80, 80, 80));
  {
    const Pen dashed(dc, RGB(0, 120, 0), 1, PS_DOT);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    const POINT arc[] = {{108, 45}, {150, 12}, {190, 10}, {232, 30}};
    PolyBezier(dc, arc, 4);
  }
  // A packet travelling from the globe to the mast's top along the same curve.
  const double t = phase, u = 1 - t;
  const double x = u * u * u * 108 + 3 * u * u * t * 150 + 3 * u * t * t * 190 + t * t * t * 232;
  const double y = u * u * u * 45 + 3 * u * u * t * 12 + 3 * u * t * t * 10 + t * t * t * 30;
  {
    const Pen pen(dc, RGB(230, 0, 0));
    const Brush packet(dc, RGB(230, 0, 0));
    Circle(dc, x, y, 5, 5);
  }
  DrawWaves(dc, 235, 26, 40, phase, 3, RGB(0, 0, 220), 2);
}

void DrawTower(HDC dc, int frame) {
  for (int band = 0; band < 8; ++band) {
    const RECT sky{0, band * 32, 120, band * 32 + 33};
    const HBRUSH brush = CreateSolidBrush(Faded(RGB(150, 200, 255), band / 9.0));
    FillRect(dc, &sky, brush);
    DeleteObject(brush);
  }
  const RECT ground{0, 250, 120, 263};
  const HBRUSH grass = CreateSolidBrush(RGB(70, 140, 60));
  FillRect(dc, &ground, grass);
  DeleteObject(grass);
  DrawMast(dc, 60, 252, 205, 22, RGB(200, 40, 40));
  DrawWaves(dc, 60, 45, 58, Phase(forms::Picture::Tower, frame), 3, RGB(0, 0, 200), 2);
  const COLORREF lamp = frame % 2 == 0 ? RGB(255, 30, 30) : RGB(110, 0, 0);
  const Pen pen(dc, lamp);
  const Brush light(dc, lamp);
  Circle(dc, 60, 44, 4, 4);
}

void DrawIcon16(HDC dc, forms::Picture picture) {
  using P = forms::Picture;
  const Pen outline(dc, RGB(0, 0, 0));
  switch (picture) {
    case P::Clock: {
      const Brush face(dc, RGB(255, 255, 255));
      Ellipse(dc, 1, 1, 15, 15);
      LineTo(dc, 8, 8, 8, 3);
      LineTo(dc, 8, 8, 12, 10);
      return;
    }
    case P::Thermometer: {
      const Brush glass(dc, RGB(255, 255, 255));
      RoundRect(dc, 6, 0, 11, 12, 3, 3);
      const Brush red(dc, RGB(220, 0, 0));
      Ellipse(dc, 5, 9, 12, 16);
      Rectangle(dc, 7, 4, 10, 11);
      return;
    }
    case P::Save: {
      const Brush body(dc, RGB(40, 60, 160));
      Rectangle(dc, 1, 1, 15, 15);
      const Brush label(dc, RGB(255, 255, 255));
      Rectangle(dc, 4, 1, 12, 7);
      const Brush shutter(dc, RGB(200, 200, 200));
      Rectangle(dc, 4, 9, 12, 15);
      return;
    }
    case P::Open: {
      const Brush back(dc, RGB(250, 210, 80));
      const POINT folder[] = {{1, 3}, {6, 3}, {8, 5}, {15, 5}, {15, 14}, {1, 14}};
      Polygon(dc, folder, 6);
      const Brush front(dc, RGB(255, 235, 140));
      const POINT flap[] = {{3, 7}, {15, 7}, {13, 14}, {1, 14}};
      Polygon(dc, flap, 4);
      return;
    }
    case P::Help:
    case P::About: {
      const bool help = picture == P::Help;
      const Brush disc(dc, help ? RGB(30, 90, 220) : RGB(0, 140, 90));
      Ellipse(dc, 1, 1, 15, 15);
      DrawText(dc, help ? L"?" : L"i", 12, false, RGB(255, 255, 255), {1, 1, 15, 15},
               L"Times New Roman");
      return;
    }
    case P::Quit: {
      const Brush door(dc, RGB(150, 90, 40));
      Rectangle(dc, 2, 1, 11, 15);
      const Pen arrow(dc, RGB(255, 255, 255), 2);
      LineTo(dc, 9, 5, 15, 5);
      LineTo(dc, 13, 3, 15, 5);
      LineTo(dc, 13, 7, 15, 5);
      return;
    }
    case P::Globe:
      DrawGlobe(dc, 8, 8, 7, 0.1);
      return;
    case P::Back: {
      const Brush arrow(dc, RGB(40, 170, 40));
      const POINT shape[] = {{1, 8}, {8, 1}, {8, 5}, {15, 5}, {15, 11}, {8, 11}, {8, 15}};
      Polygon(dc, shape, 7);
      return;
    }
    default:
      return;
  }
}

// Restores the device context's mapping after a scaled drawing.
class ScaledDrawing {
 public:
  ScaledDrawing(HDC dc, Size design, const RECT& box) : dc_(dc), saved_(SaveDC(dc)) {
    MapDesign(dc, design, box);
  }
  ~ScaledDrawing() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

void DrawButtonIcon(HDC dc, forms::Picture picture, const RECT& box) {
  const ScaledDrawing scaled(dc, {16, 16}, box);
  DrawIcon16(dc, picture);
}

void DrawDecoration(HDC dc, forms::Picture picture, int frame, const RECT& box) {
  const forms::PictureLook look = forms::LookOf(picture);
  const ScaledDrawing scaled(dc, {look.width, look.height}, box);
  switch (picture) {
    case forms::Picture::Antenna:
      return DrawAntenna(dc, frame);
    case forms::Picture::Banner:
      return DrawBanner(dc);
    case forms::Picture::Link:
      return DrawLink(dc, frame);
    case forms::Picture::Tower:
      return DrawTower(dc, frame);
    default:
      return;
  }
}

}  // namespace quendal::win32
