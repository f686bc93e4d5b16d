#include "ui/windows/queue_window.h"

#include "core/state/globals.h"
#include "core/state/screen.h"
#include "ui/kit/design_controls.h"
#include "ui/kit/look.h"
#include "ui/kit/selected_row.h"
#include "ui/kit/twips.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

using Kit::DesignFont;
using Kit::FontFace;
using Kit::TwipRect;

frm_Q::frm_Q(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frm_Q"));
    setWindowTitle(QStringLiteral("Q"));
    setFixedSize(TwipRect(0, 0, 5970, 4380).size());
    Kit::SetBackground(this, Kit::LightGrey, false);

    const QFont sans975 = DesignFont(FontFace::SansSerif, 9.75, true);
    const QFont serif975 = DesignFont(FontFace::Serif, 9.75, true);
    chk_songque =
        Kit::Captioned<QCheckBox>(this, "chk_songque", QStringLiteral("Song Q Active"), TwipRect(2040, 120, 1935, 255));
    chk_songque->setFont(sans975);

    list_que = Kit::Place<QListWidget>(this, "list_que", TwipRect(240, 480, 5475, 3180));
    list_que->setFont(sans975);
    list_que->setSortingEnabled(false);
    Kit::SetBackground(list_que, Kit::LightBlue, true);

    cmd_QueRemove = Kit::Button(this, "cmd_QueRemove", QStringLiteral("Remove"), TwipRect(1080, 3840, 975, 375), serif975);
    cmd_QueUp = Kit::PictureButton(this, "cmd_QueUp", Kit::SymbolIcon(Kit::Symbol::Up), TwipRect(2280, 3840, 375, 375));
    cmd_QueDown = Kit::PictureButton(this, "cmd_QueDown", Kit::SymbolIcon(Kit::Symbol::Down), TwipRect(2760, 3840, 375, 375));
    cmd_QueClear = Kit::Button(this, "cmd_QueClear", QStringLiteral("Clear"), TwipRect(3360, 3840, 975, 375), serif975);
    cmd_close = Kit::Button(this, "cmd_close", QStringLiteral("Close"), TwipRect(4800, 3840, 975, 375), serif975);

    connect(cmd_QueRemove, &QPushButton::clicked, this, &frm_Q::cmd_QueRemove_Click);
    connect(cmd_QueUp, &QPushButton::clicked, this, &frm_Q::cmd_QueUp_Click);
    connect(cmd_QueDown, &QPushButton::clicked, this, &frm_Q::cmd_QueDown_Click);
    connect(cmd_QueClear, &QPushButton::clicked, this, &frm_Q::cmd_QueClear_Click);
    connect(cmd_close, &QPushButton::clicked, this, &frm_Q::cmd_close_Click);
    AttachQueueRows(this);
}

frm_Q::~frm_Q() { AttachQueueRows(nullptr); }

void frm_Q::Appended(const QString &text) { list_que->addItem(text); }

void frm_Q::Removed(int row) { delete list_que->takeItem(row); }

void frm_Q::Swapped(int upper)
{
    QListWidgetItem *above = list_que->item(upper);
    QListWidgetItem *below = list_que->item(upper + 1);
    const QString text = above->text();
    above->setText(below->text());
    below->setText(text);
}

void frm_Q::Cleared() { list_que->clear(); }

void frm_Q::cmd_QueRemove_Click() { RemoveFromQueue(Kit::SelectedRow(*list_que)); }

void frm_Q::cmd_QueUp_Click()
{
    if (QCount < 1) {
        ShowMessage(QStringLiteral("No Songs in Q"));
        return;
    }
    const int row = Kit::SelectedRow(*list_que);
    if (row <= 0 || row >= QCount)
        return;
    SwapQueueEntries(row - 1);
    list_que->setCurrentRow(row - 1);
}

void frm_Q::cmd_QueDown_Click()
{
    if (QCount < 1) {
        ShowMessage(QStringLiteral("No Songs in Q"));
        return;
    }
    const int row = Kit::SelectedRow(*list_que);
    if (row < 0 || row >= QCount - 1)
        return;
    SwapQueueEntries(row);
    list_que->setCurrentRow(row + 1);
}

void frm_Q::cmd_QueClear_Click()
{
    EmptyQueue();
    if (Main *main = Main::instance())
        main->UpdateSongTotals();
}

void frm_Q::cmd_close_Click() { hide(); }
