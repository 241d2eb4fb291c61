// Keeps Wine's desktop process running while the window tests run. Without
// it every test program would start the desktop anew, and the desktop, which
// inherits the output of the program that started it, would keep the test
// runner waiting for seconds after each test. Started once with its output
// sent away (wine-desktop.sh); it creates the file named by its argument once
// the desktop is up, and ends when Wine is stopped or after `kLifetimeMs`.
#include <windows.h>

namespace {

constexpr UINT kLifetimeMs = 30 * 60 * 1000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // A hidden top-level window: the desktop stays while it exists.
    HWND window = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    // Ready either way: without the window the tests run, only slower.
    if (argc > 1) {
        CloseHandle(CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    if (window == nullptr) {
        return 1;
    }
    SetTimer(nullptr, 0, kLifetimeMs, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
    return 0;
}
