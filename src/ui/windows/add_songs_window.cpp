// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/add_songs_window.h"

#include "core/catalogue/addition.h"
#include "platform/drives.h"
#include "ui/kit/design_controls.h"
#include "ui/kit/directory_list_box.h"
#include "ui/kit/drive_list_box.h"
#include "ui/kit/key_codes.h"
#include "ui/kit/look.h"
#include "ui/kit/twips.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using Kit::DesignFont;
using Kit::FontFace;
using Kit::TwipRect;

frm_addsongs::frm_addsongs(Model &model, QWidget *parent) : QWidget(parent, Qt::Window), model_(model)
{
    setObjectName(QStringLiteral("frm_addsongs"));
    setWindowTitle(QStringLiteral("Add Directories"));
    // Closed from its title bar the window goes; the next use makes it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipRect(0, 0, 5070, 5880).size());
    const QFont normal = DesignFont(FontFace::SansSerif, 9.75, false);
    const QFont bold = DesignFont(FontFace::SansSerif, 9.75, true);

    Drive1 = Kit::Place<Kit::DriveListBox>(this, "Drive1", TwipRect(120, 120, 2055, 360));
    Drive1->setFont(normal);

    Text_Path = Kit::Place<QLineEdit>(this, "Text_Path", TwipRect(120, 600, 4815, 405));
    Text_Path->setFont(bold);
    Kit::SetBackground(Text_Path, Kit::LightPink, true);

    DirectoryListBox = Kit::Place<Kit::DirectoryListBox>(this, "DirectoryListBox", TwipRect(120, 1080, 4815, 4140));
    DirectoryListBox->setFont(normal);

    cmd_recursive = Kit::Button(this, "cmd_recursive", QStringLiteral("Add Directorys"),
                                TwipRect(360, 5400, 1815, 375), bold);
    cmd_cancel = Kit::Button(this, "cmd_cancel", QStringLiteral("Done"), TwipRect(3840, 5400, 975, 375), bold);

    setTabOrder(cmd_recursive, Drive1);
    setTabOrder(Drive1, DirectoryListBox);
    setTabOrder(DirectoryListBox, cmd_cancel);
    setTabOrder(cmd_cancel, Text_Path);

    connect(Drive1, &Kit::DriveListBox::Change, this, &frm_addsongs::Drive1_Change);
    connect(DirectoryListBox, &Kit::DirectoryListBox::Change, this, &frm_addsongs::DirectoryListBox_Change);
    connect(DirectoryListBox, &Kit::DirectoryListBox::Click, this, &frm_addsongs::DirectoryListBox_Click);
    connect(DirectoryListBox, &Kit::DirectoryListBox::KeyPress, this, &frm_addsongs::DirectoryListBox_KeyPress);
    connect(cmd_recursive, &QPushButton::clicked, this, &frm_addsongs::cmd_recursive_Click);
    connect(cmd_cancel, &QPushButton::clicked, this, &frm_addsongs::cmd_cancel_Click);

    // The drive and directory the program was started in.
    const QString current = QDir::currentPath();
    Drive1->SetDrive(Platform::DriveOf(current));
    DirectoryListBox->SetPath(current);
    Form_Load();
}

bool frm_addsongs::SetDrive(const QString &drive) { return Drive1->SetDrive(drive); }

void frm_addsongs::Form_Load()
{
    // Beside the main window, a hundred pixels in from its left edge.
    if (const QWidget *owner = parentWidget())
        move(owner->x() + 100, owner->y());
}

void frm_addsongs::Drive1_Change() { DirectoryListBox->SetPath(Drive1->Drive()); }

void frm_addsongs::DirectoryListBox_Change() { Text_Path->setText(DirectoryListBox->Path()); }

void frm_addsongs::DirectoryListBox_Click()
{
    const int row = DirectoryListBox->currentRow();
    if (row >= 0)
        DirectoryListBox->SetPath(DirectoryListBox->EntryPath(row));
}

void frm_addsongs::DirectoryListBox_KeyPress(int keyAscii)
{
    if (keyAscii == KeyCode::Enter)
        DirectoryListBox_Click();
}

void frm_addsongs::cmd_recursive_Click() { AddDirectory(model_, DirectoryListBox->Path()); }

void frm_addsongs::cmd_cancel_Click() { hide(); }
