#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/forms/Form.h"

namespace quendal::win32 {

// A top-level window built the way the window designer laid it out: every control of its
// table as a standard control (or a small one of its own for the lights and pictures),
// placed in twips converted for this screen, with the designed faces and colours. The
// controls of a group box are the window's children too, placed relative to the box, so
// their notifications and colours come to one place. Later controls of the table lie on
// top; the keyboard follows the designed order instead.
class DesignedWindow {
 public:
  explicit DesignedWindow(const forms::Form& design);
  virtual ~DesignedWindow();
  DesignedWindow(const DesignedWindow&) = delete;
  DesignedWindow& operator=(const DesignedWindow&) = delete;

  // Makes the window, hidden, centred on the screen, with the focus on the first control
  // of the keyboard order.
  void Create(HWND owner);
  HWND Handle() const { return window_; }
  // nullptr when the table has no such control.
  HWND Find(std::string_view name) const;

  void SetCheck(std::string_view box, int value);
  void SetText(std::string_view control, const std::string& utf8);
  void SetLight(std::string_view shape, COLORREF fill);

  // The decorations move only while they can be seen.
  void RunDecorations(bool run);
  void AdvanceDecorations(int frameMs);
  // The decorations' timers are this plus their frame interval.
  static constexpr UINT_PTR kDecorationTimers = 0x1000;

  // Tab and Shift+Tab in a designed window move the focus along its designed order;
  // true when `message` was one of them. The message loops ask before translating.
  static bool MoveFocus(const MSG& message);

 protected:
  // A button or box was clicked (also by the keyboard).
  virtual void Clicked(std::string_view) {}
  // The user changed a text box's text.
  virtual void Edited(std::string_view, const std::string&) {}
  // Anything else the window is sent; DefWindowProc unless overridden.
  virtual LRESULT Other(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Made {
    const forms::Control* control;
    HWND handle;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Make(const forms::Control& control, int index);
  // Widens a one-line label whose caption is wider than designed, keeping its left edge.
  void FitCaption(HWND label) const;
  void MakeGroupCaption(const forms::Control& frame, const RECT& place);
  POINT OriginOf(const forms::Control& control) const;
  const forms::Control* ControlOf(HWND handle) const;
  LRESULT Colours(HDC dc, HWND control, bool edit);
  void DrawButton(const DRAWITEMSTRUCT& item) const;
  void Command(WPARAM wParam, LPARAM lParam);
  void FocusNext(HWND from, bool backwards);

  const forms::Form& design_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  std::vector<Made> made_;
  std::vector<HBRUSH> brushes_;
  HWND lastFocus_ = nullptr;
  bool programWrites_ = false;  // a text the program sets is no edit of the user's
};

}  // namespace quendal::win32
