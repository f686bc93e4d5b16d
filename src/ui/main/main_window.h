// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: it shows the jukebox in the catalogue views, the play buttons and
// the position, and opens the other windows, which it owns. Controls carry their
// design names as object names.
#pragma once

#include "core/state/model.h"

#include <QMainWindow>
#include <QPointer>
#include <tuple>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSlider;
class QTimer;
class QKeyEvent;
class MediaPlayer;
class Jukebox;
class frm_About;
class frm_addsongs;
class frm_Options;
class frm_Q;
class frm_QuickLoad;

namespace Kit {
class KeyedTree;
}

class Main : public QMainWindow, private Screen::Views, private Screen::NowPlaying {
    Q_OBJECT
public:
    // Shows `jukebox` from now on, until the window goes.
    explicit Main(Jukebox &jukebox);
    ~Main() override;

    // The window's load handler, once the jukebox has started: the window's place,
    // the add-songs window on the drive of the start directory, the position timer.
    void Form_Load();

    // The window of type W that this window owns: made, hidden, the first time it is
    // asked for, and again after it was closed for good.
    template <class W>
    W &Window();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateMenu();
    void ConnectEvents();
    // The controls that show the model follow it, and write the user's choices into it.
    void BindModel();
    void PlaceWindow();
    // Deletes the windows this window owns, as closing it does.
    void UnloadWindows();
    // Shows the window over the others, as the desktop asks.
    void Raise();
    void ShowTotalTime();
    void UpdateSongTotals();
    // Both views in `points`, kept within 8..30 whatever the setting holds.
    void SetViewFontSize(int points);
    // Plays the selected song, or queues it while the queue is active.
    void PlayOrQueue();

    // Play control.
    void cmd_play_Click();
    void cmd_next_Click();
    void cmd_pause_Click();
    void cmd_stop_Click();

    // Views.
    void cmd_clear_Click();
    void cmd_expand_Click();
    void cmd_shrink_Click();
    void TreeView1_DblClick();
    void TreeView1_KeyPress(int keyAscii);
    void List1_Click();
    void List1_DblClick();
    void List1_KeyPress(int keyAscii);

    // Buttons and menu items that open other windows.
    void cmd_Q_Click();
    void cmd_addmp3_Click();
    void cmd_Cd_Click();
    void cmd_QuickLoad_Click();
    void mnu_Exit_Click();
    void mnu_Options_Click();
    void mnu_About_Click();

    // Position and time.
    void Timer1_Timer();
    void Slider1_Change();
    void MediaPlayer1_PlayStateChange(int oldState, int newState);

    // Key preview: sees every key pressed inside the window before the focused control.
    void Form_KeyDown(QKeyEvent *event);

    // Screen::Views
    void RebuildTree(const std::vector<Functions::TreeNode> &nodes) override;
    void RefillList(const QStringList &rows) override;
    void ShowTree(bool tree) override;

    // Screen::NowPlaying
    void ShowCurrentSong(const QString &text) override;
    void MarkCurrentSong() override;

    Jukebox &jukebox_;
    Model &model_;

    QLineEdit *text_CurrentSong;
    Kit::KeyedTree *TreeView1;
    QListWidget *List1;
    QCheckBox *chk_shuffle;
    QPushButton *cmd_Q;
    QPushButton *cmd_addmp3;
    QPushButton *cmd_clear;
    QLabel *Label9;
    QLabel *Label_TotalAllSongs;
    QPushButton *cmd_Cd;
    QPushButton *cmd_QuickLoad;
    QPushButton *cmd_expand;
    QPushButton *cmd_shrink;
    QSlider *Slider1;
    QPushButton *cmd_play;
    QPushButton *cmd_pause;
    QPushButton *cmd_stop;
    QPushButton *cmd_next;
    QLabel *label_currenttime;
    QLabel *Label2;
    QLabel *label_totaltime;
    QLabel *Image1;
    QSlider *Slider_vol;
    QTimer *Timer1;
    MediaPlayer *const MediaPlayer1;

    QMenu *mnu_File;
    QAction *mnu_Exit;
    QMenu *mnu_Edit;
    QAction *mnu_Options;
    QAction *mnu_ReadId3v2Tags;
    QMenu *mnu_Help;
    QAction *mnu_About;

    std::tuple<QPointer<frm_Q>, QPointer<frm_addsongs>, QPointer<frm_QuickLoad>, QPointer<frm_Options>,
               QPointer<frm_About>>
        windows_;
    QString LastFileName;
};
