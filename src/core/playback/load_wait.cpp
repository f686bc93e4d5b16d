// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playback/load_wait.h"

#include "platform/media_player.h"

#include <QEventLoop>
#include <QTimer>

void LoadWait::EventLoopRound(int ms)
{
    // The loop really runs for the whole round: single passes over the pending events
    // between sleeps never see the player's own notifications arrive.
    QEventLoop round;
    QTimer::singleShot(ms, &round, &QEventLoop::quit);
    round.exec();
}

void LoadWait::Until(const MediaPlayer &player)
{
    ++depth_;
    for (int waited = 0; player.ReadyState() != MediaPlayer::Loaded && waited != LimitMs; waited += RoundMs)
        round_(RoundMs);
    --depth_;
}
