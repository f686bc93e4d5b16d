#include "support/fake_media_player.h"

#include "platform/failure.h"

void FakeMediaPlayer::Open(const QString &path)
{
    opened.append(path);
    file_ = path;
    position = 0;
    ready_ = readyOnOpen;
    if (ready_ == 4) {
        state_ = 2;
        emit PlayStateChange(0, 2);
    }
}

void FakeMediaPlayer::SetVolume(int32_t volume)
{
    if (volume < -10000 || volume > 0) {
        refusedVolumes.push_back(volume);
        throw Platform::Failure(380, QStringLiteral("Invalid property value"), QStringLiteral("MediaPlayer"));
    }
    volumes.push_back(volume);
}
