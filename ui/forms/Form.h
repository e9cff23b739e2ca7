#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The vocabulary of the designed windows: what the window designer recorded for every
// control, in its own units, with no toolkit in sight. Each desktop builds its windows by
// walking these tables.
namespace quendal::forms {

enum class Kind : std::uint8_t {
  Label,
  Frame,  // a group box with a caption
  CheckBox,
  PictureButton,  // a command button filled with its background, an icon above the caption
  TextBox,
  MultiLineTextBox,
  Shape,  // a filled circle: a reception light
  AnimatedImage,
  PictureBox,
  Line,  // horizontal, from Left to Left + Width at Top
};

// Twips: 1440 to the inch, 15 to a pixel at 96 dots per inch. Relative to the window's
// client area, or to the group box the control sits in.
struct Twips {
  int left, top, width, height;
};

inline constexpr std::string_view kSansSerif = "MS Sans Serif";
inline constexpr std::string_view kTimesNewRoman = "Times New Roman";

struct Font {
  std::string_view face = kSansSerif;
  double points = 8.25;
  bool bold = false;
};

inline constexpr Font kDefaultFont{};
constexpr Font Bold(double points) { return {kSansSerif, points, true}; }
constexpr Font SerifBold(double points) { return {kTimesNewRoman, points, true}; }

// The desktop's own colours, which follow the user's colour scheme.
enum class SystemColour : std::uint8_t { ButtonText, ActiveTitleBar, Desktop };

// A designed colour: red, green and blue, one of the desktop's, or none (the control's
// usual colour).
struct Colour {
  enum class Source : std::uint8_t { None, Rgb, System };
  Source source = Source::None;
  std::uint8_t red = 0, green = 0, blue = 0;
  SystemColour system{};

  constexpr bool operator==(const Colour&) const = default;
};

inline constexpr Colour kNoColour{};
constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return {Colour::Source::Rgb, red, green, blue};
}
constexpr Colour System(SystemColour colour) { return {Colour::Source::System, 0, 0, 0, colour}; }

// The decorations and button icons. Any pictures of the designed sizes will do, so each
// desktop draws its own; the table only says which one a control shows.
enum class Picture : std::uint8_t {
  None,
  // Button icons, 16 by 16 pixels.
  Clock,
  Thermometer,
  Save,
  Open,
  Help,
  About,
  Quit,
  Globe,
  Back,
  // Decorations.
  Antenna,  // 10 frames of 35 by 45 pixels
  Banner,   // 274 by 51 pixels: the host program's name in blue
  Link,     // 19 frames of 280 by 120 pixels
  Tower,    // 7 frames of 120 by 263 pixels
};

struct Control {
  std::string_view name;
  Kind kind;
  std::string_view parent;   // the window's name, or the group box's
  std::string_view caption;  // UTF-8, exactly as shown; a text box's content
  Twips place;
  Font font = kDefaultFont;
  Colour text = kNoColour;
  Colour background = kNoColour;  // a light's fill
  Picture picture = Picture::None;
  bool centred = false;
  bool bordered = false;  // a single-line border

  constexpr Control Centred() const {
    Control copy = *this;
    copy.centred = true;
    return copy;
  }
  constexpr Control Bordered() const {
    Control copy = *this;
    copy.bordered = true;
    return copy;
  }
};

// One row of a designed table per kind, in the table's own order of columns.
constexpr Control Label(std::string_view name, std::string_view parent, std::string_view caption,
                        Twips place, Font font = kDefaultFont, Colour text = kNoColour,
                        Colour background = kNoColour) {
  return {name, Kind::Label, parent, caption, place, font, text, background};
}
constexpr Control Frame(std::string_view name, std::string_view parent, std::string_view caption,
                        Twips place, Font font, Colour captionColour) {
  return {name, Kind::Frame, parent, caption, place, font, captionColour};
}
constexpr Control CheckBox(std::string_view name, std::string_view parent, std::string_view caption,
                           Twips place, Font font = kDefaultFont) {
  return {name, Kind::CheckBox, parent, caption, place, font};
}
constexpr Control PictureButton(std::string_view name, std::string_view parent,
                                std::string_view caption, Twips place, Font font, Colour background,
                                Picture icon) {
  return {name, Kind::PictureButton, parent, caption, place, font, kNoColour, background, icon};
}
constexpr Control TextBox(std::string_view name, std::string_view parent, Twips place, Font font) {
  return {name, Kind::TextBox, parent, {}, place, font};
}
constexpr Control MultiLineTextBox(std::string_view name, std::string_view parent,
                                   std::string_view content, Twips place, Font font) {
  return {name, Kind::MultiLineTextBox, parent, content, place, font};
}
constexpr Control Shape(std::string_view name, std::string_view parent, Twips place, Colour fill) {
  return {name, Kind::Shape, parent, {}, place, kDefaultFont, kNoColour, fill};
}
constexpr Control AnimatedImage(std::string_view name, std::string_view parent, Twips place,
                                Picture frames = Picture::None) {
  return {name, Kind::AnimatedImage, parent, {}, place, kDefaultFont, kNoColour, kNoColour, frames};
}
constexpr Control PictureBox(std::string_view name, std::string_view parent, Twips place,
                             Picture picture) {
  return {name, Kind::PictureBox, parent, {}, place, kDefaultFont, kNoColour, kNoColour, picture};
}
// A horizontal line from (x1, y) to (x2, y).
constexpr Control Line(std::string_view name, std::string_view parent, int x1, int x2, int y) {
  return {name, Kind::Line, parent, {}, {x1, y, x2 - x1, 0}};
}

// A designed window: centred on the screen when it opens, fixed in size.
struct Form {
  std::string_view name;
  std::string_view caption;
  int width, height;                  // of the client area, in twips
  std::span<const Control> controls;  // in the designer's order: later ones lie on top
  // The keyboard order. Controls that take no focus stand in it too, as designed.
  std::span<const std::string_view> tabOrder;
};

// Labels, group boxes, lights, lines and decorations never take the keyboard.
constexpr bool TakesFocus(Kind kind) {
  return kind == Kind::CheckBox || kind == Kind::PictureButton || kind == Kind::TextBox ||
         kind == Kind::MultiLineTextBox;
}

// Every control sits in the window or in a group box made before it, and the tab order
// names controls of the table. Checked where each table is written.
constexpr bool WellFormed(std::string_view form, std::span<const Control> controls,
                          std::span<const std::string_view> tabOrder) {
  const auto madeBefore = [&](std::string_view name, std::size_t end) {
    for (std::size_t i = 0; i < end; ++i) {
      if (controls[i].name == name) return true;
    }
    return false;
  };
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (madeBefore(controls[i].name, i)) return false;
    if (controls[i].parent != form && !madeBefore(controls[i].parent, i)) return false;
  }
  for (std::string_view name : tabOrder) {
    if (!madeBefore(name, controls.size())) return false;
  }
  return true;
}

const Control* Find(const Form& form, std::string_view name);
// The controls that take the keyboard, in the tab order: Tab goes from one to the next
// and round, and the focus starts on the first.
std::vector<std::string_view> FocusOrder(const Form& form);

}  // namespace quendal::forms
