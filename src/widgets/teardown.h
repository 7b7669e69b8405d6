#pragma once
// Closing a window that is being destroyed moves the focus out of its fields, and a field that loses the
// focus emits editingFinished. A window whose own part is destroyed already must not hear that: its
// destructor cuts the connections from its children to it first.
#include <QObject>

namespace lm {

inline void DisconnectChildren(QObject* window) {
    for (QObject* child : window->findChildren<QObject*>())
        QObject::disconnect(child, nullptr, window, nullptr);
}

}  // namespace lm
