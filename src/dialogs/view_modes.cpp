#include "dialogs/view_modes.h"

#include "app/main_window.h"
#include "catalogue/sort.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "views/artist_tree.h"
#include "views/song_list.h"

#include <QListWidget>
#include <algorithm>
#include <array>

namespace Dialogs {

namespace {
const std::array<ViewMode, 4> &modes()
{
    static const std::array<ViewMode, 4> table{{
        {QStringLiteral("TAS"), QStringLiteral("AS"), QString()},
        {QStringLiteral("LAS"), QStringLiteral("AS"), QStringLiteral("AS")},
        {QStringLiteral("LSA"), QStringLiteral("SA"), QStringLiteral("SA")},
        {QStringLiteral("LF"), QStringLiteral("F"), QStringLiteral("F")},
    }};
    return table;
}

void setPointSize(QWidget *view, int points)
{
    QFont font = view->font();
    font.setPointSize(points);
    view->setFont(font);
}
} // namespace

const ViewMode *FindViewMode(const QString &code)
{
    for (const ViewMode &mode : modes()) {
        if (mode.code == code)
            return &mode;
    }
    return nullptr;
}

void ShowViewMode(const ViewMode &mode)
{
    SortBy = mode.code;
    Main *main = Main::instance();
    const bool tree = mode.listForm.isEmpty();
    if (SongCount > 0) {
        Functions::SortSongs(0, LastSongIndex, Songs, mode.sortKey);
        if (main && tree)
            Functions::BuildArtistTree(*main->TreeView1, Songs, LastSongIndex);
        else if (main)
            Functions::FillSongList(*main->List1, Songs, LastSongIndex, mode.listForm);
    }
    if (main) {
        main->TreeView1->setVisible(tree);
        main->List1->setVisible(!tree);
    }
}

void SetViewFontSize(int16_t points)
{
    Main *main = Main::instance();
    if (!main)
        return;
    const int shown = std::clamp<int>(points, 8, 30);
    setPointSize(main->TreeView1, shown);
    setPointSize(main->List1, shown);
}

} // namespace Dialogs
