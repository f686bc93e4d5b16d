// SPDX-License-Identifier: GPL-3.0-or-later
// Views whose selected row a press on no row leaves alone, so that a double click
// anywhere in the view chooses it.
#pragma once

#include <QListWidget>
#include <QMouseEvent>

namespace Kit {

template <class View>
class KeepsSelection : public View {
public:
    using View::View;

protected:
    // Also reached through a double click on no row, which the view turns into a press.
    void mousePressEvent(QMouseEvent *event) override
    {
        if (this->indexAt(event->position().toPoint()).isValid())
            View::mousePressEvent(event);
    }
};

// The catalogue's list.
using SongList = KeepsSelection<QListWidget>;

} // namespace Kit
