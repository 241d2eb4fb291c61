#include "native_title.h"

#include <QGuiApplication>
#include <QWidget>

#include <QtGui/qguiapplication_platform.h>

// XCB calls need both libxcb and a Qt built for X11.
#if defined(ZEPHYROD_HAVE_XCB) && QT_CONFIG(xcb)
#define ZEPHYROD_X11_TITLE 1
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace zephyrod::ui {

#ifdef ZEPHYROD_X11_TITLE
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace
#endif

void ClearNativeTitle([[maybe_unused]] QWidget* window) {
#ifdef ZEPHYROD_X11_TITLE
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        window->windowHandle() == nullptr) {
        return;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, nullptr);
    }
    xcb_flush(connection);
#endif
}

}  // namespace zephyrod::ui
