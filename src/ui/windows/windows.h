// Windows other than Main are created hidden the first time anything refers to
// them, and live until they are unloaded (or Main unloads them all).
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace Windows {

void RegisterUnload(std::function<void()> unload);
// The parent new windows get, so that they stay with the main window.
QWidget *Owner();
// Unloads every window created through Window<W>(), as closing Main does.
void UnloadAll();

template <class W>
QPointer<W> &Slot()
{
    static QPointer<W> window;
    return window;
}

} // namespace Windows

template <class W>
W &Window()
{
    QPointer<W> &window = Windows::Slot<W>();
    if (!window) {
        window = new W(Windows::Owner());
        static bool registered = false;
        if (!registered) {
            registered = true;
            Windows::RegisterUnload([] { delete Windows::Slot<W>().data(); });
        }
    }
    return *window;
}

template <class W>
bool WindowExists()
{
    return !Windows::Slot<W>().isNull();
}

template <class W>
void UnloadWindow()
{
    delete Windows::Slot<W>().data();
}
