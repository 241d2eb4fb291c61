// The program's icon (IDI_ICON1): shared at the system's sizes for the
// window classes, and a copy of its own at each window's DPI, destroyed with
// the window.
#pragma once

#include <windows.h>

#include "handles.h"

namespace zephyrod::win32 {

// The icon for a window class (SM_CXICON, SM_CXSMICON), loaded once and
// shared: never destroyed. A shared image is found by its resource name
// whatever size is asked, so both may be the size loaded first; every
// window sets icons of its own at its sizes over them (SetProgramIcons).
HICON SharedProgramIcon(int size);

// A copy of the icon at any size, destroyed with its holder. Replacing a
// window's icon: give the window the new icon first, then let the holder
// of the old one go.
IconHolder ProgramIcon(int size);

// A window's own big and small icon, kept as long as it shows them.
struct WindowIcons {
    IconHolder big;
    IconHolder small;
};

// The program's icon as the window's big and small icon, at the sizes for
// `dpi`; the icons of the DPI before are destroyed.
void SetProgramIcons(HWND window, WindowIcons& icons, int dpi);

}  // namespace zephyrod::win32
