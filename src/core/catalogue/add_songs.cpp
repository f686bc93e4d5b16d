// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/add_songs.h"

#include "core/catalogue/scan.h"
#include "core/catalogue/tag_sort.h"

void AddDirectorySongs(Model &model, const QString &startDir)
{
    // One progress window from the walk to the sort.
    ProgressReport progress(model.screen, QStringLiteral("Adding Files"), QStringLiteral("0"), QStringLiteral("0"));
    FinishAddition(model, Functions::WalkDirectories(model, startDir));
}
