#include "core/catalogue/add_files.h"

#include "core/catalogue/tag_sort.h"
#include "core/state/globals.h"
#include "platform/regular_file.h"

#include <QFileInfo>

QStringList AddSongFiles(const QStringList &paths)
{
    QStringList added;
    bool complete = true;
    for (const QString &name : paths) {
        const QFileInfo file(name);
        const QString path = file.absoluteFilePath();
        if (!Platform::IsReadableRegularFile(path))
            continue;
        try {
            AppendSong(Songs, LastSongIndex, SongCount) = {file.fileName(), path, 0, QStringLiteral("Unknown"), file.fileName()};
        } catch (const CounterOverflow &) {
            complete = false;
            break;
        }
        added << path;
    }
    if (added.isEmpty() && complete)
        return added;
    FinishAddition(complete);
    return added;
}
