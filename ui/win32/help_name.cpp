#include "help_name.h"

#include <initguid.h>
#include <oleacc.h>

#include <array>
#include <string>

#include "win_text.h"

namespace zephyrod::win32 {
namespace {

// The window's frame and its client area both carry the name.
constexpr std::array<DWORD, 2> kObjects{static_cast<DWORD>(OBJID_WINDOW),
                                        static_cast<DWORD>(OBJID_CLIENT)};

IAccPropServices* Services() {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return nullptr;
    }
    return services;
}

}  // namespace

void SetAccessibleName(HWND window, std::string_view name) {
    IAccPropServices* services = Services();
    if (services == nullptr) {
        return;
    }
    std::wstring text = Widen(name);
    for (DWORD object : kObjects) {
        services->SetHwndPropStr(window, object, CHILDID_SELF, PROPID_ACC_NAME, text.data());
    }
    services->Release();
}

void ForgetAccessibleName(HWND window) {
    IAccPropServices* services = Services();
    if (services == nullptr) {
        return;
    }
    MSAAPROPID name = PROPID_ACC_NAME;
    for (DWORD object : kObjects) {
        services->ClearHwndProps(window, object, CHILDID_SELF, &name, 1);
    }
    services->Release();
}

}  // namespace zephyrod::win32
