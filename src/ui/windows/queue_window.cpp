// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/queue_window.h"

#include "ui/kit/design_controls.h"
#include "ui/kit/look.h"
#include "ui/kit/selected_row.h"
#include "ui/kit/twips.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

using Kit::DesignFont;
using Kit::FontFace;
using Kit::TwipRect;

frm_Q::frm_Q(Model &model, QWidget *parent) : QWidget(parent, Qt::Window), model_(model)
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

    // The rows and the switch show the queue and its option, made before or since.
    list_que->addItems(model_.queue.Rows());
    chk_songque->setChecked(model_.options.SongQueueActive());
    connect(chk_songque, &QCheckBox::toggled, &model_.options, &PlayerOptions::SetSongQueueActive);
    connect(&model_.options, &PlayerOptions::songQueueActiveChanged, chk_songque, &QCheckBox::setChecked);
    const SongQueue *queue = &model_.queue;
    connect(queue, &SongQueue::appended, list_que, [this](const QString &text) { list_que->addItem(text); });
    connect(queue, &SongQueue::removed, list_que, [this](int row) { delete list_que->takeItem(row); });
    connect(queue, &SongQueue::swapped, this, &frm_Q::Swapped);
    connect(queue, &SongQueue::cleared, list_que, &QListWidget::clear);
}

void frm_Q::Swapped(int upper)
{
    QListWidgetItem *above = list_que->item(upper);
    QListWidgetItem *below = list_que->item(upper + 1);
    const QString text = above->text();
    above->setText(below->text());
    below->setText(text);
}

void frm_Q::cmd_QueRemove_Click() { model_.queue.Remove(Kit::SelectedRow(*list_que)); }

void frm_Q::cmd_QueUp_Click()
{
    const int count = model_.queue.QCount();
    if (count < 1) {
        model_.screen.ShowMessage(QStringLiteral("No Songs in Q"));
        return;
    }
    const int row = Kit::SelectedRow(*list_que);
    if (row <= 0 || row >= count)
        return;
    model_.queue.Swap(row - 1);
    list_que->setCurrentRow(row - 1);
}

void frm_Q::cmd_QueDown_Click()
{
    const int count = model_.queue.QCount();
    if (count < 1) {
        model_.screen.ShowMessage(QStringLiteral("No Songs in Q"));
        return;
    }
    const int row = Kit::SelectedRow(*list_que);
    if (row < 0 || row >= count - 1)
        return;
    model_.queue.Swap(row);
    list_que->setCurrentRow(row + 1);
}

void frm_Q::cmd_QueClear_Click() { model_.queue.Empty(); }

void frm_Q::cmd_close_Click() { hide(); }
