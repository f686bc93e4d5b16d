// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/settings.h"

namespace {
template <class T>
bool Assign(T &value, const T &to)
{
    if (value == to)
        return false;
    value = to;
    return true;
}
} // namespace

void Settings::SetSortBy(SortMode mode)
{
    if (Assign(sortBy_, mode))
        emit sortByChanged();
}

void Settings::SetCdDrive(const QString &drive)
{
    if (Assign(cdDrive_, drive))
        emit cdDriveChanged();
}

void Settings::SetFontSize(int16_t size)
{
    if (Assign(fontSize_, size))
        emit fontSizeChanged();
}

void Settings::SetSongsStartDir(const QString &dir)
{
    if (Assign(songsStartDir_, dir))
        emit songsStartDirChanged();
}

void Settings::SetTags(Functions::TagReading tags)
{
    if (Assign(tags_, tags))
        emit tagsChanged();
}

void Settings::SetSlotName(int slot, const QString &name)
{
    if (Assign(slotNames_.at(static_cast<std::size_t>(slot)), name))
        emit slotNameChanged(slot);
}
