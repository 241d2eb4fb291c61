// The program's windows on a thread of their own, run by the program's own
// message loop, and the test driving them from outside through messages.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "window_design.h"

namespace zephyrod::win32::test {

// A thread that runs the program's message loop, as wWinMain does, and opens
// the main window on request.
class UiThread {
  public:
    UiThread();
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    // Opens frmMain through the program's own code.
    HWND OpenMainWindow();
    // Returns once every message posted to the thread before has been handled.
    void Flush();
    // How often the program's message loop has ended (the main window closed).
    int loopsEnded() const { return loopsEnded_.load(); }
    DWORD id() const { return id_; }

  private:
    void Run();

    std::atomic<HWND> host_{nullptr};
    std::atomic<bool> started_{false};
    std::atomic<int> loopsEnded_{0};
    std::atomic<int> flushed_{0};
    std::atomic<bool> stop_{false};
    DWORD id_ = 0;
    std::thread thread_;
};

// The one UI thread of the test program.
UiThread& Ui();

// Polls until `done` holds, at most `timeout`.
template <class Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(15)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

// The control with the keyboard focus on the UI thread.
HWND Focused();
// The design name of a control of a program window ("txtFreq"), "" if none.
std::string NameOf(HWND control, const design::WindowDesign& design);

// The visible top-level windows of the UI thread of a window class.
std::vector<HWND> WindowsOfClass(std::wstring_view className);
HWND WindowOfClass(std::wstring_view className);

// A message box owned by `owner`, its text, and its OK button pressed.
HWND MessageBoxOf(HWND owner);
std::wstring MessageBoxText(HWND box);
void PressOk(HWND box);

// A key pressed in a control (down, up), as the keyboard sends it.
void PressKey(HWND control, WPARAM key);
// A button pressed (BM_CLICK), without waiting for what it does.
void Click(HWND button);
// A menu command chosen in a window, without waiting for what it does.
void ChooseMenu(HWND window, int command);

std::wstring Text(HWND window);
// What a screen reader reads as a control's name (its accessible object).
std::wstring AccessibleName(HWND control);
std::vector<std::wstring> Lines(HWND list);
std::wstring ClipboardText();
// A control's rectangle in its window's client area.
RECT ClientRectOf(HWND control);
// The colours of the pixels of `area` of a window's client area, as shown.
std::vector<COLORREF> PixelsOf(HWND window, RECT area);

std::wstring Wide(std::string_view utf8);
std::vector<std::wstring> Wide(const std::vector<std::string>& lines);

}  // namespace zephyrod::win32::test
