// The queue window "Q": the queued songs in play order, the "Song Q Active" switch,
// and the buttons that reorder, remove and clear entries.
#pragma once

#include "state/song.h"

#include <QWidget>

class QCheckBox;
class QListWidget;
class QPushButton;

class frm_Q : public QWidget {
    Q_OBJECT
public:
    explicit frm_Q(QWidget *parent = nullptr);

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

    // Removes entry `row` from the queue and its row from the list; the sentinel
    // comes back when the last entry leaves.
    void RemoveEntry(int row);
    // Appends `song` with its row text; a full queue refuses it with a message.
    void Append(const SongPointer &song, const QString &text);

private:
    void SwapEntries(int upper);
};
