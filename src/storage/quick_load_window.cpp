#include "storage/quick_load_window.h"

#include "app/main_window.h"
#include "dialogs/view_modes.h"
#include "platform/app_dir.h"
#include "platform/design_controls.h"
#include "platform/keyed_tree.h"
#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "state/globals.h"
#include "storage/playlist.h"
#include "storage/save_file.h"
#include "storage/settings.h"
#include "views/artist_tree.h"
#include "views/song_list.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

using Platform::TwipRect;

namespace {
constexpr std::array<int, frm_QuickLoad::Slots> RowTops{240, 840, 1440, 2160, 2760, 3360};

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect rect)
{
    return Platform::Button(parent, name, caption, rect, Platform::DesignFont(Platform::FontFace::Serif, 9.75, true));
}
} // namespace

frm_QuickLoad::frm_QuickLoad(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frm_QuickLoad"));
    setWindowTitle(QStringLiteral("QuickLoad"));
    setFixedSize(TwipRect(0, 0, 4560, 4455).size());

    for (int16_t i = 0; i < Slots; ++i) {
        const QString n = QString::number(i);
        const int top = RowTops.at(static_cast<std::size_t>(i));
        cmd_Load[i] = button(this, QStringLiteral("cmd_Load_") + n, QStringLiteral("Load"), TwipRect(240, top, 735, 375));
        cmd_Save[i] = button(this, QStringLiteral("cmd_Save_") + n, QStringLiteral("Save"), TwipRect(1320, top, 735, 375));
        text_ListName[i] = Platform::TextBox(this, QStringLiteral("text_ListName_") + n,
                                             i == 0 ? QStringLiteral("General") : QString(), TwipRect(2280, top, 2055, 285));
        connect(cmd_Load[i], &QPushButton::clicked, this, [this, i] { cmd_Load_Click(i); });
        connect(cmd_Save[i], &QPushButton::clicked, this, [this, i] { cmd_Save_Click(i); });
    }
    cmd_close = button(this, QStringLiteral("cmd_close"), QStringLiteral("Close"), TwipRect(3360, 3960, 975, 375));
    connect(cmd_close, &QPushButton::clicked, this, &frm_QuickLoad::cmd_close_Click);
}

QString frm_QuickLoad::FileName(int16_t index)
{
    return QStringLiteral("playlist") + QString::number(index) + QStringLiteral(".txt");
}

void frm_QuickLoad::cmd_Save_Click(int16_t index)
{
    // An empty catalogue leaves the slot without a file rather than with an empty one.
    if (SongCount == 0)
        Functions::DeleteFileIfPresent(Platform::ApplicationFile(FileName(index)));
    else
        Functions::SavePlaylist(FileName(index), Songs, LastSongIndex);
    Functions::WriteSettings();
}

void frm_QuickLoad::cmd_Load_Click(int16_t index)
{
    const QString path = Platform::ApplicationFile(FileName(index));
    if (!QFileInfo(path).isFile()) {
        Platform::ShowMessage(QStringLiteral("File ") + path + QStringLiteral("\r") +
                              QStringLiteral("Does Not exist, please Save a File"));
        return;
    }
    Functions::LoadPlaylist(path, Songs, LastSongIndex, SongCount);
    Main *main = Main::instance();
    if (!main)
        return;
    Functions::BuildArtistTree(*main->TreeView1, Songs, LastSongIndex);
    const Dialogs::ViewMode *mode = Dialogs::FindViewMode(SortBy);
    if (mode && !mode->listForm.isEmpty())
        Functions::FillSongList(*main->List1, Songs, LastSongIndex, mode->listForm);
}

void frm_QuickLoad::cmd_close_Click() { hide(); }
