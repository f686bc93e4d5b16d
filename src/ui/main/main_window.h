// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the catalogue views, the transport, and the buttons that open
// the other windows. Controls carry their design names as object names.
#pragma once

#include "core/playback/play_control.h"
#include "core/state/model.h"
#include "ui/door/command_door.h"
#include "ui/kit/message_box.h"

#include <QMainWindow>
#include <memory>

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

class CounterProgress;

namespace Kit {
class KeyedTree;
}

class Main : public QMainWindow, private Screen::Views, private TransportScreen {
    Q_OBJECT
public:
    // The window runs its load handler as it is created. `player` replaces the real
    // media component, `loadLimitMs` the play command's longest wait and `messages`
    // the message boxes (tests pass their own); Main owns the player.
    explicit Main(MediaPlayer *player = nullptr, int loadLimitMs = LoadWait::LimitMs, Screen::Messages *messages = nullptr);
    ~Main() override;

    // What the window shows and drives, for the desktop's player controls.
    Model &model() { return model_; }
    PlayControl &transport() { return *transport_; }
    MediaPlayer &player() { return *MediaPlayer1; }
    CommandDoor &door() { return door_; }

    // Files opened by name, through the door: added to the catalogue as an addition
    // adds songs, and the first of them played.
    void OpenFiles(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateMenu();
    void ConnectEvents();
    // The controls that show the model follow it, and write the user's choices into it.
    void BindModel();
    void Form_Load();
    void PlaceWindow();
    void ShowTotalTime();
    void UpdateSongTotals();
    // Both views in `points`, kept within 8..30 whatever the setting holds.
    void SetViewFontSize(int points);
    // Plays the selected song, or queues it while the queue is active.
    void PlayOrQueue();

    // Transport.
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

    // Position, time and volume.
    void Timer1_Timer();
    void Slider1_Change();
    void Slider_vol_Change();
    void MediaPlayer1_PlayStateChange(int oldState, int newState);

    // Key preview: sees every key pressed inside the window before the focused control.
    void Form_KeyDown(QKeyEvent *event);

    // Screen::Views
    void RebuildTree(const std::vector<Functions::TreeNode> &nodes) override;
    void RefillList(const QStringList &rows) override;
    void ShowTree(bool tree) override;

    // TransportScreen
    void ShowCurrentSong(const QString &text) override;
    void MarkCurrentSong() override;

    // First, so that the windows and the transport that use it go before it.
    Model model_;

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
    MediaPlayer *MediaPlayer1;

    QMenu *mnu_File;
    QAction *mnu_Exit;
    QMenu *mnu_Edit;
    QAction *mnu_Options;
    QAction *mnu_ReadId3v2Tags;
    QMenu *mnu_Help;
    QAction *mnu_About;

    std::unique_ptr<PlayControl> transport_;
    std::unique_ptr<CounterProgress> progress_;
    Kit::MessageBoxes boxes_;
    CommandDoor door_;
    QString LastFileName;
};
