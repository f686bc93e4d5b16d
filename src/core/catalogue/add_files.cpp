#include "core/catalogue/add_files.h"

#include "core/catalogue/tag_sort.h"
#include "core/state/globals.h"
#include "platform/regular_file.h"

#include <QFileInfo>

QStringList AddSongFiles(const QStringList &paths)
{
    QStringList added;
    bool complete = true;
    for (const QString &path : paths) {
        const QFileInfo file(path);
        if (!Platform::IsReadableRegularFile(file.absoluteFilePath()))
            continue;
        try {
            Song &song = AppendSong(Songs, LastSongIndex, SongCount);
            song = {file.fileName(), file.absoluteFilePath(), 0, QStringLiteral("Unknown"), file.fileName()};
        } catch (const CounterOverflow &) {
            complete = false;
            break;
        }
        added << file.absoluteFilePath();
    }
    if (added.isEmpty() && complete)
        return added;
    FinishAddition(complete);
    return added;
}
