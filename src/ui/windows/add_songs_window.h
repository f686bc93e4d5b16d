// SPDX-License-Identifier: GPL-3.0-or-later
// frm_addsongs: pick a drive and a directory, and add its songs to the catalogue.
#pragma once

#include "core/state/model.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace Kit {
class DriveListBox;
class DirectoryListBox;
} // namespace Kit

class frm_addsongs : public QWidget {
    Q_OBJECT
public:
    frm_addsongs(Model &model, QWidget *parent = nullptr);

    // Chooses the drive whose root is `drive` (for example "/media/cdrom" or "F:")
    // and shows its root directory, as a choice in Drive1 does. Returns false, with
    // nothing changed, when no mounted volume has that root.
    bool SetDrive(const QString &drive);

    // Scans the directory shown in DirectoryListBox and everything below it, then
    // tags, sorts and redraws the catalogue.
    void cmd_recursive_Click();

    Kit::DriveListBox *Drive1;
    QLineEdit *Text_Path;
    Kit::DirectoryListBox *DirectoryListBox;
    QPushButton *cmd_recursive;
    QPushButton *cmd_cancel;

private:
    void Form_Load();
    void Drive1_Change();
    void DirectoryListBox_Change();
    void DirectoryListBox_Click();
    void DirectoryListBox_KeyPress(int keyAscii);
    void cmd_cancel_Click();

    Model &model_;
};
