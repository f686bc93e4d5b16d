#include "core/catalogue/view_modes.h"

#include "core/catalogue/sort.h"
#include "core/state/globals.h"
#include "core/state/screen.h"

#include <array>

namespace {
const std::array<ViewMode, 4> &Modes()
{
    static const std::array<ViewMode, 4> table{{
        {QStringLiteral("TAS"), QStringLiteral("AS"), QString()},
        {QStringLiteral("LAS"), QStringLiteral("AS"), QStringLiteral("AS")},
        {QStringLiteral("LSA"), QStringLiteral("SA"), QStringLiteral("SA")},
        {QStringLiteral("LF"), QStringLiteral("F"), QStringLiteral("F")},
    }};
    return table;
}

void Rebuild(const ViewMode &mode)
{
    if (mode.listForm.isEmpty())
        Screen::views().RebuildTree();
    else
        Screen::views().RefillList(mode.listForm);
}
} // namespace

const ViewMode *FindViewMode(const QString &code)
{
    for (const ViewMode &mode : Modes()) {
        if (mode.code == code)
            return &mode;
    }
    return nullptr;
}

void RebuildModeView()
{
    if (const ViewMode *mode = FindViewMode(SortBy))
        Rebuild(*mode);
}

void ChooseViewMode(const ViewMode &mode)
{
    SortBy = mode.code;
    if (SongCount > 0) {
        Functions::SortSongs(0, LastSongIndex, Songs, mode.sortKey);
        Rebuild(mode);
    }
    Screen::views().ShowTree(mode.listForm.isEmpty());
}
