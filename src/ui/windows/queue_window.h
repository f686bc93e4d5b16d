// SPDX-License-Identifier: GPL-3.0-or-later
// The queue window "Q": the queued songs in play order, the "Song Q Active" switch,
// and the buttons that reorder, remove and clear entries.
#pragma once

#include "core/state/model.h"

#include <QWidget>

class QCheckBox;
class QListWidget;
class QPushButton;

class frm_Q : public QWidget {
    Q_OBJECT
public:
    frm_Q(Model &model, QWidget *parent = nullptr);

    QCheckBox *chk_songque;
    QListWidget *list_que;
    QPushButton *cmd_QueRemove;
    QPushButton *cmd_QueUp;
    QPushButton *cmd_QueDown;
    QPushButton *cmd_QueClear;
    QPushButton *cmd_close;

    void cmd_QueRemove_Click();
    void cmd_QueUp_Click();
    void cmd_QueDown_Click();
    void cmd_QueClear_Click();
    void cmd_close_Click();

private:
    void Swapped(int upper);

    Model &model_;
};
