// The queue window "Q": the queued songs in play order, the "Song Q Active" switch,
// and the buttons that reorder, remove and clear entries.
#pragma once

#include "core/playback/queue.h"

#include <QWidget>

class QCheckBox;
class QListWidget;
class QPushButton;

class frm_Q : public QWidget, private QueueRows {
    Q_OBJECT
public:
    explicit frm_Q(QWidget *parent = nullptr);
    ~frm_Q() override;

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
    // QueueRows: list_que follows the entries.
    void Appended(const QString &text) override;
    void Removed(int row) override;
    void Swapped(int upper) override;
    void Cleared() override;
};
