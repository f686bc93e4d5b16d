// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/catalogue.h"

#include "core/state/trim_spaces.h"

int Catalogue::FindSong(const SongPointer &pointer) const
{
    const QString path = TrimSpaces(pointer.LongName);
    if (IsSong(pointer.Index) && TrimSpaces(SongAt(pointer.Index).LongName) == path)
        return pointer.Index;
    for (int i = 0; IsSong(i); ++i) {
        if (TrimSpaces(SongAt(i).LongName) == path)
            return i;
    }
    return -1;
}

void Catalogue::Clear()
{
    // Without songs nothing that anyone sees changes.
    if (SongCount() == 0) {
        songs_.Clear();
        return;
    }
    Edit edit(*this);
    edit.Table().Clear();
}

Catalogue::Edit::~Edit()
{
    if (opened_)
        emit catalogue_.changed();
}

SongTable &Catalogue::Edit::Table()
{
    opened_ = true;
    return catalogue_.songs_;
}
