// SPDX-License-Identifier: GPL-3.0-or-later
// The jukebox: the model, the media player, the play control, the command door, the
// desktop's player controls and what the core shows on the screen, made and started
// in one place and taken down in a stated order. It runs without any window; the
// main window only shows it.
#pragma once

#include "core/playback/play_control.h"
#include "core/state/model.h"
#include "core/storage/settings_file.h"
#include "ui/door/command_door.h"
#include "ui/kit/message_box.h"

#include <QObject>
#include <QStringList>
#include <memory>

class CounterProgress;
class MediaPlayer;
class QWidget;

class Jukebox : public QObject {
    Q_OBJECT
public:
    // What tests replace: the media player (null for the real one; the jukebox owns
    // it), the play command's longest wait, and the message boxes (null for real ones).
    struct Parts {
        MediaPlayer *player = nullptr;
        int loadLimitMs = LoadWait::LimitMs;
        Screen::Messages *messages = nullptr;
    };

    Jukebox();
    explicit Jukebox(Parts parts);
    // Takes the jukebox down from the outside in: the desktop's controls leave the
    // bus, the held commands are dropped, the play control and the player go, then
    // what the screen shows; the model last.
    ~Jukebox() override;

    Model &model() { return model_; }
    Functions::SettingsFile &settingsFile() { return settingsFile_; }
    MediaPlayer &player() { return *player_; }
    PlayControl &playControl() { return *playControl_; }
    CommandDoor &door() { return *door_; }

    // The one start-up: shuffle on, the settings read, the start-up playlist shown in
    // their mode, and the desktop's player controls offered; `files` (from the command
    // line) are opened once the event loop runs.
    void Start(const QStringList &files);
    // Files opened by name, through the door: added to the catalogue as an addition
    // adds songs, and the first of them played.
    void OpenFiles(const QStringList &paths);

    // The main window shows the jukebox: the core rebuilds its views and shows the
    // current song in it, and the progress window stands over it. Until then, and
    // after DetachWindow, views and the current song go nowhere.
    void AttachWindow(QWidget &window, Screen::Views &views, Screen::NowPlaying &nowPlaying);
    void DetachWindow();

signals:
    // The desktop asks to see the window.
    void raiseAsked();
    // The desktop asks the program to end, once the work under way is over.
    void quitAsked();

private:
    // Publishes the player controls on the session bus. Without a bus the program
    // runs as before, after one line on stderr.
    void OfferDesktopControls();
    void WithdrawDesktopControls();

    Model model_;
    Functions::SettingsFile settingsFile_{model_.settings, model_.screen};
    std::unique_ptr<MediaPlayer> player_;
    std::unique_ptr<PlayControl> playControl_;
    std::unique_ptr<CommandDoor> door_;
    std::unique_ptr<CounterProgress> progress_;
    Kit::MessageBoxes boxes_;
    // The object the bus calls, carrying the two MPRIS adaptors; null while unpublished.
    std::unique_ptr<QObject> desktopControls_;
    QString busName_;
};
