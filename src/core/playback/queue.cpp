// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playback/queue.h"

#include "core/state/trim_spaces.h"

QString QueueRowText(const Song &song)
{
    return TrimSpaces(song.Artist) + QStringLiteral(" - ") + TrimSpaces(song.SongName);
}

bool QueueSong(Model &model, const SongPointer &song)
{
    if (model.queue.Enqueue(song, QueueRowText(model.catalogue.SongAt(song.Index))))
        return true;
    model.screen.ShowMessage(QStringLiteral("The Song Q is full: it holds at most 32,767 songs."));
    return false;
}
