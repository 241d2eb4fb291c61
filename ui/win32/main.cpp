// ZephyrodMetric.exe: frmMain is the start-up window; the program ends when
// it is closed.
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>

#include "handles.h"
#include "message_loop.h"
#include "win_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // COM for the accessibility annotations.
    const zephyrod::win32::ComApartment com;
    if (zephyrod::win32::OpenMainWindow(showCommand) == nullptr) {
        return 1;
    }
    return zephyrod::win32::RunMessageLoop();
}
