#include "win_test_support.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include "control_ids.h"
#include "handles.h"
#include "message_loop.h"
#include "win_main.h"
#include "win_text.h"

namespace zephyrod::win32::test {
namespace {

constexpr UINT kOpenMain = WM_APP + 10;
constexpr UINT kFlush = WM_APP + 11;
constexpr wchar_t kHostClass[] = L"ZephyrodTest.Host";

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kOpenMain) {
        return reinterpret_cast<LRESULT>(zephyrod::win32::OpenMainWindow(SW_SHOWNORMAL));
    }
    if (message == kFlush) {
        reinterpret_cast<std::atomic<int>*>(lParam)->fetch_add(1);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool HasClass(HWND window, std::wstring_view name) {
    wchar_t buffer[64] = {};
    const int length = GetClassNameW(window, buffer, 64);
    return std::wstring_view(buffer, static_cast<std::size_t>(length)) == name;
}

struct ClassSearch {
    std::wstring_view className;
    HWND owner;
    bool anyOwner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ClassSearch*>(lParam);
    if (IsWindowVisible(window) && HasClass(window, search->className) &&
        (search->anyOwner || GetWindow(window, GW_OWNER) == search->owner)) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> ThreadWindows(std::wstring_view className, HWND owner, bool anyOwner) {
    ClassSearch search{className, owner, anyOwner, {}};
    EnumThreadWindows(Ui().id(), CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM lParam) {
    auto* longest = reinterpret_cast<std::wstring*>(lParam);
    if (HasClass(child, L"Static") && (GetWindowLongPtrW(child, GWL_STYLE) & SS_ICON) == 0) {
        std::wstring text = WindowText(child);
        if (text.size() > longest->size()) {
            *longest = std::move(text);
        }
    }
    return TRUE;
}

}  // namespace

UiThread::UiThread() : thread_([this] { Run(); }) {
    // Without its host window the thread ends at once; without a display
    // opening the main window then fails, and each test says so.
    WaitFor([this] { return started_.load(); });
}

UiThread::~UiThread() {
    stop_ = true;
    PostThreadMessageW(id_, WM_QUIT, 0, 0);
    thread_.join();
}

void UiThread::Run() {
    // As wWinMain sets the thread up.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const ComApartment com;
    id_ = GetCurrentThreadId();
    WNDCLASSEXW hostClass{};
    hostClass.cbSize = sizeof hostClass;
    hostClass.lpfnWndProc = HostProcedure;
    hostClass.hInstance = GetModuleHandleW(nullptr);
    hostClass.lpszClassName = kHostClass;
    RegisterClassExW(&hostClass);
    HWND host = CreateWindowExW(0, kHostClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    host_ = host;
    started_ = true;
    if (host == nullptr) {
        return;
    }
    while (!stop_) {
        RunMessageLoop();
        if (!stop_) {
            ++loopsEnded_;
        }
    }
    DestroyWindow(host);
}

HWND UiThread::OpenMainWindow() {
    if (host_.load() == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(SendMessageW(host_.load(), kOpenMain, 0, 0));
}

void UiThread::Flush() {
    const int before = flushed_.load();
    PostMessageW(host_.load(), kFlush, 0, reinterpret_cast<LPARAM>(&flushed_));
    WaitFor([&] { return flushed_.load() > before; });
}

UiThread& Ui() {
    static UiThread thread;
    return thread;
}

HWND Focused() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(Ui().id(), &info) ? info.hwndFocus : nullptr;
}

std::string NameOf(HWND control, const design::WindowDesign& design) {
    const design::ControlDesign* row = ControlWithId(design, GetDlgCtrlID(control));
    return row != nullptr ? std::string(row->name) : std::string();
}

std::vector<HWND> WindowsOfClass(std::wstring_view className) {
    return ThreadWindows(className, nullptr, true);
}

HWND WindowOfClass(std::wstring_view className) {
    const std::vector<HWND> found = WindowsOfClass(className);
    return found.empty() ? nullptr : found.front();
}

HWND MessageBoxOf(HWND owner) {
    const std::vector<HWND> found = ThreadWindows(L"#32770", owner, false);
    return found.empty() ? nullptr : found.front();
}

std::wstring MessageBoxText(HWND box) {
    std::wstring longest;
    EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

void PressOk(HWND box) {
    Click(GetDlgItem(box, IDOK));
}

void PressKey(HWND control, WPARAM key) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    PostMessageW(control, WM_KEYDOWN, key, down);
    PostMessageW(control, WM_KEYUP, key, down | (LPARAM{3} << 30));
}

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void ChooseMenu(HWND window, int command) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

std::wstring Text(HWND window) {
    return WindowText(window);
}

std::wstring AccessibleName(HWND control) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IAccessible* object = nullptr;
    std::wstring name = L"(no accessible object)";
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible, reinterpret_cast<void**>(&object)))) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        name = SUCCEEDED(object->get_accName(self, &text)) && text != nullptr ? text : L"";
        SysFreeString(text);
        object->Release();
    }
    CoUninitialize();
    return name;
}

std::vector<std::wstring> Lines(HWND list) {
    std::vector<std::wstring> lines;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        lines.push_back(ListLine(list, index));
    }
    return lines;
}

std::wstring ClipboardText() {
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(5))) {
        return L"(clipboard busy)";
    }
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

RECT ClientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<COLORREF> PixelsOf(HWND window, RECT area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels;
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int index = 0; bits != nullptr && index < width * height; ++index) {
        pixels.push_back(RGB(quads[index].rgbRed, quads[index].rgbGreen, quads[index].rgbBlue));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

std::wstring Wide(std::string_view utf8) {
    return Widen(utf8);
}

std::vector<std::wstring> Wide(const std::vector<std::string>& lines) {
    std::vector<std::wstring> wide;
    for (const std::string& line : lines) {
        wide.push_back(Widen(line));
    }
    return wide;
}

}  // namespace zephyrod::win32::test
