// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/add_files.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/tag_sort.h"
#include "core/state/counter.h"
#include "platform/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

bool IsSongFile(const QString &path) { return Functions::IsSongName(QFile::encodeName(QFileInfo(path).fileName())); }

QStringList AddSongFiles(Model &model, const QStringList &paths)
{
    QStringList songs;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(songs), IsSongFile);
    // A start without song files shows no progress window.
    if (songs.isEmpty())
        return {};
    ProgressReport progress(model.screen, QStringLiteral("Adding Files"), QStringLiteral("0"), QStringLiteral("0"));
    QStringList added;
    bool complete = true;
    {
        Catalogue::Edit edit(model.catalogue);
        for (const QString &name : songs) {
            const QFileInfo file(name);
            const QString path = file.absoluteFilePath();
            if (!Platform::IsReadableRegularFile(path))
                continue;
            try {
                edit.Table().Append() = {
                    file.fileName(), path, 0, QStringLiteral("Unknown"), file.fileName()};
            } catch (const CounterOverflow &) {
                complete = false;
                break;
            }
            added << path;
            const QString shown = QString::number(added.size());
            progress.SetCounts(shown, shown);
        }
    }
    if (added.isEmpty() && complete)
        return added;
    FinishAddition(model, complete);
    return added;
}
