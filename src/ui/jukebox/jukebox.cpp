// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/jukebox/jukebox.h"

#include "core/playback/volume.h"
#include "core/storage/quick_load.h"
#include "platform/media_player.h"
#include "ui/desktop/mpris_player.h"
#include "ui/desktop/mpris_root.h"
#include "ui/desktop/player_controls.h"
#include "ui/windows/counter_progress.h"

#include <QTimer>
#include <QWidget>

Jukebox::Jukebox() : Jukebox(Parts{}) {}

Jukebox::Jukebox(Parts parts)
    : player_(parts.player ? parts.player : CreateMediaPlayer()),
      playControl_(std::make_unique<PlayControl>(model_, *player_, parts.loadLimitMs)),
      door_(std::make_unique<CommandDoor>(model_.work)), progress_(std::make_unique<CounterProgress>())
{
    player_->setObjectName(QStringLiteral("MediaPlayer1"));
    model_.screen.Attach(progress_.get());
    model_.screen.Attach(parts.messages ? parts.messages : &boxes_);
    // The end of a song plays the next, and the volume the user sets reaches the
    // player, with or without a window.
    connect(player_.get(), &MediaPlayer::EndOfStream, this, 
            [this](const OpenedFile &file) { playControl_->EndOfStream(file); });
    connect(&model_.options, &PlayerOptions::volumeChanged, player_.get(),
            [this](int volume) { player_->SetVolume(SliderVolume(volume)); });
}

Jukebox::~Jukebox()
{
    WithdrawDesktopControls();
    door_.reset();
    playControl_.reset();
    player_.reset();
    DetachWindow();
    model_.screen.Attach(static_cast<Screen::Progress *>(nullptr));
    model_.screen.Attach(static_cast<Screen::Messages *>(nullptr));
    progress_.reset();
}

void Jukebox::Start(const QStringList &files)
{
    model_.options.SetShuffle(true);
    // The settings come first, so that the catalogue is shown once, in their mode.
    settingsFile_.Read();
    Functions::LoadStartupPlaylist(model_);
    OfferDesktopControls();
    // Added from the event loop: only there does closing the last window end the
    // program, and the desktop's Quit may close it while the files are added.
    if (!files.isEmpty())
        QTimer::singleShot(0, this, [this, files] { OpenFiles(files); });
}

void Jukebox::OpenFiles(const QStringList &paths)
{
    door_->Enter([this, paths] { playControl_->OpenFiles(paths); });
}

void Jukebox::AttachWindow(QWidget &window, Screen::Views &views, Screen::NowPlaying &nowPlaying)
{
    model_.screen.Attach(&views);
    model_.screen.Attach(&nowPlaying);
    progress_->SetOwner(&window);
}

void Jukebox::DetachWindow()
{
    model_.screen.Attach(static_cast<Screen::Views *>(nullptr));
    model_.screen.Attach(static_cast<Screen::NowPlaying *>(nullptr));
    progress_->SetOwner(nullptr);
}

void Jukebox::OfferDesktopControls()
{
    auto controls = std::make_unique<QObject>(this);
    new Desktop::MprisRoot(controls.get(), *door_, [this] { emit raiseAsked(); }, [this] { emit quitAsked(); });
    new Desktop::MprisPlayer(controls.get(), model_, *playControl_, *player_, *door_);
    // Left unpublished, the adaptors would go on announcing changes of an object the
    // bus does not have.
    if (const std::optional<QString> name = Desktop::Publish(*controls)) {
        desktopControls_ = std::move(controls);
        busName_ = *name;
    }
}

void Jukebox::WithdrawDesktopControls()
{
    if (!desktopControls_)
        return;
    Desktop::Withdraw(busName_);
    desktopControls_.reset();
}
