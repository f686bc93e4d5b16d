// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playback/load_wait.h"

#include "platform/media_player.h"

#include <QEventLoop>
#include <QTimer>

void LoadWait::Until(const MediaPlayer &player)
{
    if (player.ReadyState() == MediaPlayer::Loaded)
        return;
    ++depth_;
    QEventLoop loop;
    QTimer::singleShot(limitMs_, &loop, &QEventLoop::quit);
    QObject::connect(&player, &MediaPlayer::Ready, &loop, &QEventLoop::quit);
    loop.exec();
    --depth_;
}
