// SPDX-License-Identifier: GPL-3.0-or-later
// The hourglass while a long operation blocks the window, restored however it ends.
#pragma once

#include <QApplication>

namespace Kit {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace Kit
