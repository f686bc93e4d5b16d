// SPDX-License-Identifier: GPL-3.0-or-later
// The selected row of a list: the row highlighted, not merely the current one.
#pragma once

#include <QListWidget>

namespace Kit {

// The selected row, or -1 when no row is selected.
inline int SelectedRow(const QListWidget &list)
{
    const QListWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? list.row(item) : -1;
}

} // namespace Kit
