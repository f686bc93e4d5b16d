#include "core/catalogue/add_songs.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/tag_sort.h"

void AddDirectorySongs(Model &model, const QString &startDir)
{
    ProgressReport progress(model.screen, QStringLiteral("Adding Files"), QStringLiteral("0"), QStringLiteral("0"));
    bool complete = true;
    {
        Catalogue::Edit edit(model.catalogue);
        complete = Functions::WalkDirectories(model.screen, startDir, edit.Songs(), edit.LastSongIndex(), edit.SongCount());
    }
    FinishAddition(model, complete);
}
