// The program's icon (IDI_ICON1): shared at the system's sizes for the
// window classes, and a copy of its own at each window's DPI, destroyed with
// the window.
#pragma once

#include <windows.h>

namespace zephyrod::win32 {

// The icon for a window class (SM_CXICON, SM_CXSMICON), loaded once and
// shared: never destroyed. A shared image is found by its resource name
// whatever size is asked, so both may be the size loaded first; every
// window sets icons of its own at its sizes over them (OwnedIcon).
HICON SharedProgramIcon(int size);

// A copy of the icon at any size, destroyed with this object. Moving one
// onto another destroys the icon it held: give the window the new icon
// first, then move it into place.
class OwnedIcon {
  public:
    OwnedIcon() = default;
    explicit OwnedIcon(int size);
    OwnedIcon(OwnedIcon&& other) noexcept;
    OwnedIcon& operator=(OwnedIcon&& other) noexcept;
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    ~OwnedIcon();

    HICON get() const { return handle_; }

  private:
    HICON handle_ = nullptr;
};

}  // namespace zephyrod::win32
