// SPDX-License-Identifier: GPL-3.0-or-later
// Windows other than Main are created hidden the first time anything refers to
// them, owned by the main window and shown over the model it holds, and live until
// they are unloaded (or Main unloads them all).
#pragma once

#include "core/state/model.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace Windows {

// The main window makes itself the owner of the windows and gives them its model.
void SetOwner(QWidget *owner, Model *model);
// The parent new windows get, so that they stay with the main window.
QWidget *Owner();
Model &OwnerModel();

void RegisterUnload(std::function<void()> unload);
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
        if constexpr (std::is_constructible_v<W, Model &, QWidget *>)
            window = new W(Windows::OwnerModel(), Windows::Owner());
        else
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
