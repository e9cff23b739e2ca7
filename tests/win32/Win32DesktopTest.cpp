// The native desktop: the designed windows in place, every control wired to the
// controller, the nested loops of message boxes, pauses and modal windows, and the
// program driven from another process as an operator would.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <regex>

#include "core/Messages.h"
#include "core/StationController.h"
#include "host/drivers/HostDrivers.h"
#include "platform/LocalFiles.h"
#include "tests/support/Fakes.h"
#include "tests/support/ScratchFolder.h"
#include "ui/forms/Ajuda.h"
#include "ui/forms/Events.h"
#include "ui/win32/FrmQuendal.h"
#include "ui/win32/Look.h"
#include "ui/win32/OwnControls.h"
#include "ui/win32/platform/EventGate.h"
#include "ui/win32/platform/TickDriver.h"
#include "ui/win32/platform/Win32Clock.h"
#include "ui/win32/platform/Win32Desktop.h"
#include "ui/win32/platform/Win32MessageBoxes.h"
#include "ui/win32/platform/Win32Pause.h"

namespace quendal::test {
namespace {

using namespace std::chrono_literals;

// Wine draws on no display: its null graphics driver, on a desktop of the test's own made
// before the first window, so the driver is chosen afresh whatever the wine session had.
// The program these tests start joins that desktop.
const std::wstring kDesktop = [] {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Drivers", L"Graphics", REG_SZ, L"null", 10);
  std::wstring name = L"quendal-test-" + std::to_wstring(GetCurrentProcessId());
  SetThreadDesktop(CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr));
  return name;
}();

std::map<UINT_PTR, std::function<void()>> steps;

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const std::function<void()> run = std::move(steps[timer]);
  steps.erase(timer);
  run();
}

// Runs `step` from whichever loop the thread is in (a box's, a modal window's) after `ms`.
void Soon(UINT ms, std::function<void()> step) {
  steps[SetTimer(nullptr, 0, ms, &RunStep)] = std::move(step);
}

// Dispatches the thread's messages until `done` or `ms` have passed.
bool Within(int ms, const std::function<bool()>& done) {
  for (const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms); !done();) {
    if (GetTickCount64() > end) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
  return true;
}

std::string Text(HWND window) { return window ? win32::WindowText(window) : "(none)"; }

// The top-level window of `process` with that class and title, or null.
HWND WindowOf(DWORD process, const wchar_t* windowClass, const wchar_t* title) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass, title));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process) return window;
  }
  return nullptr;
}

std::vector<int> Boxes(const OptionSet& options) {
  std::vector<int> values;
  for (Box box : kFileOrder) values.push_back(options.Value(box));
  return values;
}

struct RecordingBoxes final : MessageBoxes {
  explicit RecordingBoxes(std::vector<std::string>& seenBoxes) : seen(&seenBoxes) {}
  std::vector<std::string>* seen;
  MsgAnswer Show(const MessageRequest& request) override {
    seen->push_back("MsgBox " + request.text);
    return request.defaultButton;
  }
};

// The real main window on a controller with recording doubles: what the operator would
// have seen and heard, host writes and plays included, lands in `seen`.
struct Rig {
  Rig() {
    host->Observe([this](const SimulatedHost::Call& call) {
      if (call.kind != SimulatedHost::Call::Kind::Read)
        seen.push_back(call.member + " " + call.value);
    });
    gate.Run([this] { controller.Form_Load(); });
    ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
  }
  ~Rig() { host->Observe(nullptr); }
  std::vector<std::string> Seen() {
    for (std::string& event : std::exchange(desktop.events, {})) seen.push_back(event);
    return std::exchange(seen, {});
  }

  std::vector<std::string> seen;
  ScratchFolder folder;
  std::shared_ptr<SimulatedHost> host = std::make_shared<SimulatedHost>();
  ChosenHostFactory hosts{{"sim", ""}, host};
  RecordingSound sound;
  NoPause pause;
  LocalFiles files{folder.Path()};
  FakeClock clock;
  RecordingBoxes boxes{seen};
  RecordingDesktop desktop;
  StationController controller{Platform{hosts, sound, pause, files, clock, boxes, desktop,
                                        AppInfo{folder.Path().string(), "quendal", "Quendal"}}};
  win32::EventGate gate;
  win32::FrmQuendal window{controller, gate};
  win32::Win32Clock realClock;
  win32::TickDriver driver{realClock, gate};
};

TEST(Win32Windows, controlsStandWhereDesignedWithTheirCaptionAndFace) {
  Rig rig;
  const int dpi = win32::ScreenDpi();
  const auto pixels = [dpi](int twips) { return win32::FromTwips(twips, dpi); };
  // Places in twips of the window's client area, group boxes' offsets added by hand.
  struct Row {
    const char* name;
    const wchar_t* windowClass;
    LONG style;  // the type bits of a button
    const char* caption;
    RECT place;
    const wchar_t* face;
    int pointsBy100;
    bool bold;
  };
  const Row rows[] = {
      {"Check1",
       L"Button",
       BS_3STATE,
       "toda hora cheia",
       {480, 2400, 2535, 2775},
       L"MS Sans Serif",
       975,
       true},
      {"Check7", L"Button", BS_3STATE, "", {3120, 3000, 3375, 3255}, L"MS Sans Serif", 825, false},
      {"Label8", L"Static", 0, "Internet", {2520, 4080, 3615, 4455}, L"MS Sans Serif", 1200, true},
      {"Text1", L"Edit", 0, "", {6240, 3000, 6855, 3375}, L"MS Sans Serif", 1200, true},
      {"Command1",
       L"Button",
       BS_OWNERDRAW,
       "Encerrar",
       {5640, 5760, 7095, 6855},
       L"MS Sans Serif",
       975,
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const HWND control = rig.window.Find(row.name);
    wchar_t windowClass[16] = {};
    GetClassNameW(control, windowClass, 16);
    EXPECT_STREQ(windowClass, row.windowClass);
    if (row.style) {
      EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK, row.style);
    }
    EXPECT_EQ(Text(control), row.caption);
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, rig.window.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, pixels(row.place.left));
    EXPECT_EQ(place.top, pixels(row.place.top));
    EXPECT_EQ(place.right, pixels(row.place.right));
    EXPECT_EQ(place.bottom, pixels(row.place.bottom));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_STREQ(font.lfFaceName, row.face);
    EXPECT_EQ(font.lfHeight, -MulDiv(row.pointsBy100, dpi, 7200));
    EXPECT_EQ(font.lfWeight, row.bold ? FW_BOLD : FW_NORMAL);
  }
  RECT client;
  GetClientRect(rig.window.Handle(), &client);
  EXPECT_EQ(client.right, pixels(7320));
  EXPECT_EQ(client.bottom, pixels(7050));
  EXPECT_EQ(win32::LightFill(rig.window.Find("Shape1")), RGB(0, 255, 0));
  // The greyed value shows as such.
  rig.controller.SetBox(Box::Check1, 2);
  EXPECT_EQ(SendMessageW(rig.window.Find("Check1"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);

  // The focus starts on "Encerrar" and Tab follows the designed order.
  SetFocus(rig.window.Handle());
  EXPECT_EQ(Text(GetFocus()), "Encerrar");
  win32::DesignedWindow::MoveFocus(MSG{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}});
  EXPECT_EQ(GetFocus(), rig.window.Find("hora_rf"));
}

TEST(Win32Windows, everyControlReachesItsHandler) {
  Rig rig;
  // What each click starts, on a controller whose boxes the earlier clicks have set.
  const std::map<std::string_view, std::string> first = {
      {"hora_rf", "RfTransmit True"},
      {"hora_ip", std::string("MsgBox ") + messages::kNotConnected},
      {"Command2", std::string("MsgBox ") + messages::kTemperatureRange},
      {"Command5", ""},
      {"Command6", std::string("MsgBox ") + messages::kNoOptionsFile},
      {"Command3", "ShowAbout"},
      {"Command4", "Beep"},
      {"Command1", std::string("MsgBox ") + messages::kQuitQuestion},
  };
  for (const forms::ClickHandler& click : forms::kClicks) {
    SCOPED_TRACE(std::string(click.control));
    const std::vector<int> before = Boxes(rig.controller.Options());
    SendMessageW(rig.window.Find(click.control), BM_CLICK, 0, 0);
    const std::vector<std::string> seen = rig.Seen();
    if (click.control.starts_with("Check")) {
      EXPECT_NE(Boxes(rig.controller.Options()), before);
    } else if (click.control == "Command5") {  // "Grava opções", then "Lê" finds none
      EXPECT_TRUE(std::filesystem::remove(rig.folder / "quendal.txt"));
    } else {
      EXPECT_NE(std::ranges::find(seen, first.at(click.control)), seen.end());
    }
  }
  SetWindowTextW(rig.window.Find("Text1"), L"25");
  EXPECT_EQ(rig.controller.Options().Text1(), "25");
}

TEST(Win32Windows, ticksGoOnUnderAMessageBoxAndEnterAnswersNo) {
  Rig rig;
  int ticks = 0;
  rig.driver.Start({[] { return true; }, [&ticks] { ++ticks; }});
  win32::Win32MessageBoxes boxes;
  boxes.SetOwner(rig.window.Handle());
  HWND owner = nullptr;
  int ticksWhileOpen = 0;
  Soon(2300, [&] {
    const HWND box = WindowOf(GetCurrentProcessId(), L"#32770", L"quendal");
    owner = GetWindow(box, GW_OWNER);
    ticksWhileOpen = ticks;
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  });
  const MessageRequest quit{messages::kQuitQuestion, "quendal", MsgButtons::YesNo,
                            MsgIcon::Question, MsgAnswer::No};
  EXPECT_EQ(boxes.Show(quit), MsgAnswer::No);
  EXPECT_GE(ticksWhileOpen, 2);
  EXPECT_EQ(owner, rig.window.Handle());
  EXPECT_EQ(win32::Win32MessageBoxes::Style(quit, true), 292u);  // Yes/No, question, No
}

TEST(Win32Windows, aPauseDropsTicksKeepsPaintingAndHoldsAClickUntilTheHandlerEnds) {
  Rig rig;
  int ticks = 0;
  rig.driver.Start({[] { return true; }, [&ticks] { ++ticks; }});
  win32::Win32Pause pause(rig.gate);
  const HWND antenna = rig.window.Find("AniGIF2");
  const HWND sobre = rig.window.Find("Command3");
  std::vector<std::string> seenInHandler;
  int framesMoved = 0;
  rig.gate.Run([&] {
    const int frame = win32::PictureFrame(antenna);
    PostMessageW(sobre, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(sobre, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    pause.Sleep(2200ms);
    framesMoved = (win32::PictureFrame(antenna) - frame + 10) % 10;
    seenInHandler = rig.Seen();
  });
  EXPECT_TRUE(seenInHandler.empty());
  EXPECT_EQ(ticks, 0);
  EXPECT_GE(framesMoved, 3);  // the decoration's timer went on
  std::vector<std::string> seen;
  EXPECT_TRUE(Within(1000, [&] { return !(seen = rig.Seen()).empty(); }));
  EXPECT_EQ(seen, std::vector<std::string>{"ShowAbout"});
  EXPECT_TRUE(Within(1500, [&] { return ticks > 0; }));
}

TEST(Win32Windows, aboutAndHelpAreModalStartOnRetornarAndClose) {
  Rig rig;
  win32::Win32Desktop desktop([] {});
  desktop.SetMainWindow(rig.window.Handle());
  const std::wstring help = win32::Wide(forms::kHelpText);
  for (const auto& [show, title] :
       {std::pair{&Desktop::ShowAbout, L"Sobre"}, std::pair{&Desktop::ShowHelp, L"Ajuda"}}) {
    SCOPED_TRACE(win32::Utf8(title));
    bool mainTookInput = true;
    std::string focus, text;
    Soon(300, [&, title = title] {
      const HWND dialog = WindowOf(GetCurrentProcessId(), L"QuendalDesigned", title);
      mainTookInput = IsWindowEnabled(rig.window.Handle());
      focus = Text(GetFocus());
      text = Text(FindWindowExW(dialog, nullptr, L"Edit", nullptr));
      SendMessageW(GetFocus(), BM_CLICK, 0, 0);
    });
    (desktop.*show)();
    EXPECT_FALSE(mainTookInput);
    EXPECT_EQ(focus, "Retornar");
    if (title == std::wstring(L"Ajuda")) {
      EXPECT_EQ(win32::Wide(text), help);
    }
    EXPECT_TRUE(IsWindowEnabled(rig.window.Handle()));
  }
}

// quendal.exe with the simulated station, in a folder of its own: a box and a button
// clicked, the quit question answered No, then Yes, and the run's on-air log appended to a
// file whose name the ANSI code page may not spell, each line after the local time.
TEST(Win32Program, runsAndEndsThroughTheQuitQuestion) {
  ScratchFolder folder;
  const auto program = std::filesystem::u8path(win32::CurrentAppInfo().path) / "quendal.exe";
  const std::filesystem::path log = folder / "registro-ção.log";
  WriteBytes(log, "kept\n");
  std::wstring line = L"quendal.exe --host sim --log \"" + log.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = const_cast<wchar_t*>(kDesktop.c_str());
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.Path().c_str(), &startup, &process));
  const DWORD id = process.dwProcessId;
  // A failed step leaves no program running behind the test.
  const std::unique_ptr<PROCESS_INFORMATION, void (*)(PROCESS_INFORMATION*)> ended(
      &process, [](PROCESS_INFORMATION* started) {
        TerminateProcess(started->hProcess, 1);
        CloseHandle(started->hThread);
        CloseHandle(started->hProcess);
      });
  HWND main = nullptr;
  ASSERT_TRUE(Within(30000, [&] {
    return (main = WindowOf(id, L"QuendalDesigned", L"Quendal")) && IsWindowVisible(main);
  }));
  const HWND hourly = FindWindowExW(main, nullptr, L"Button", L"toda hora cheia");
  PostMessageW(hourly, BM_CLICK, 0, 0);
  EXPECT_TRUE(Within(5000, [&] { return SendMessageW(hourly, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  PostMessageW(FindWindowExW(main, nullptr, L"Button", L"Grava opções"), BM_CLICK, 0, 0);
  EXPECT_TRUE(
      Within(5000, [&] { return ReadBytes(folder / "quendal.txt").starts_with(" 1 \r\n"); }));

  HWND box = nullptr;
  for (const int answer : {IDNO, IDYES}) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Within(5000, [&] { return (box = WindowOf(id, L"#32770", L"quendal")); }));
    EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)), messages::kQuitQuestion);
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    EXPECT_TRUE(Within(5000, [&] { return !IsWindow(box); }));
  }
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);

  const std::string asked = "@ MsgBox \"Tem certeza que quer sair?\" \"quendal\"\n";
  const std::regex stamp(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} )");
  EXPECT_EQ(std::regex_replace(ReadBytes(log), stamp, "@ "),
            "kept\n" + asked + "@ MsgBoxClosed No\n" + asked + "@ MsgBoxClosed Yes\n");
}

}  // namespace
}  // namespace quendal::test
