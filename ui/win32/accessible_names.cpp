#include "accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

#include <array>
#include <string>

#include "handles.h"
#include "win_text.h"

namespace zephyrod::win32 {
namespace {

// The window's frame and its client area both carry the name.
constexpr std::array<DWORD, 2> kObjects{static_cast<DWORD>(OBJID_WINDOW),
                                        static_cast<DWORD>(OBJID_CLIENT)};

ComHolder<IAccPropServices> Services() {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return nullptr;
    }
    return ComHolder<IAccPropServices>(services);
}

}  // namespace

void SetAccessibleName(HWND window, std::string_view name, std::string_view description) {
    const ComHolder<IAccPropServices> services = Services();
    if (services == nullptr) {
        return;
    }
    std::wstring nameText = Widen(name);
    std::wstring descriptionText = Widen(description);
    for (DWORD object : kObjects) {
        if (!name.empty()) {
            services->SetHwndPropStr(window, object, CHILDID_SELF, PROPID_ACC_NAME,
                                     nameText.data());
        }
        if (!description.empty()) {
            services->SetHwndPropStr(window, object, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                     descriptionText.data());
        }
    }
}

void ForgetAccessibleName(HWND window) {
    const ComHolder<IAccPropServices> services = Services();
    if (services == nullptr) {
        return;
    }
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (DWORD object : kObjects) {
        services->ClearHwndProps(window, object, CHILDID_SELF, properties, 2);
    }
}

}  // namespace zephyrod::win32
