// The program's message loops. Each message for a window of the program
// first meets the window's menu shortcuts (F1), then the system's dialog
// keys (IsDialogMessage): Tab and Shift+Tab between the controls, Enter on
// the default or focused button, Esc as the window's cancel command.
#pragma once

#include <windows.h>

#include "window_design.h"

namespace zephyrod::win32 {

// Sent by the message loops to a program window: its accelerator table as
// the result, 0 for none.
inline constexpr UINT kQueryAccelerators = WM_APP + 20;

// A window's answer to DM_GETDEFID, which IsDialogMessage asks on Enter: the
// focused push button, else the design's default button, else none (Enter
// then sends the window IDOK, which no command of the program has).
LRESULT DefaultButtonReply(HWND window, const design::WindowDesign& design);

// Hides focus rectangles and access-key underlines of a window about to be
// shown, as a dialog box does, unless the system is set to always show them;
// the message loops show them again once the user presses Alt, Tab or an
// arrow key.
void InitKeyboardCues(HWND window);

// True when `message`, for a program window, was taken as a menu shortcut or
// handled (translated and dispatched) as a dialog key or message.
bool PreTranslate(MSG& message);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Runs while `window` exists (a modal window's loop). A WM_QUIT that
// arrives meanwhile is posted again for the outer loop; where no message can
// be had (GetMessage fails), it ends.
void RunModalLoop(HWND window);

}  // namespace zephyrod::win32
