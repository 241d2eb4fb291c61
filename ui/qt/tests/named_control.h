// Finding a window's controls by the names its design gives them, as the
// tests (and a screen reader) see the windows from outside.
#pragma once

#include <QObject>
#include <QVariant>
#include <optional>
#include <string_view>

#include "qt_text.h"

namespace zephyrod::ui {

// The control (or menu item) of that name inside `window`, and of that index
// for a member of a control array; null when there is none of that type.
template <class T>
T* Named(const QObject* window, std::string_view name, std::optional<int> index = std::nullopt) {
    for (T* found : window->findChildren<T*>(ToQString(name))) {
        const QVariant at = found->property(kIndexProperty);
        if (!index || (at.isValid() && at.toInt() == *index)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace zephyrod::ui
