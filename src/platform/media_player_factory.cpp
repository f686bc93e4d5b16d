#include "platform/media_player.h"

namespace {
class SilentMediaPlayer : public MediaPlayer {
public:
    void Open(const QString &path) override { file_ = path; }
    int32_t ReadyState() const override { return 4; }
    void Play() override {}
    void Pause() override {}
    void Stop() override {}
    int32_t PlayState() const override { return 0; }
    double CurrentPosition() const override { return 0; }
    void SetCurrentPosition(double) override {}
    double Duration() const override { return 0; }
    QString FileName() const override { return file_; }
    void SetVolume(int32_t) override {}

private:
    QString file_;
};
} // namespace

MediaPlayer *CreateMediaPlayer() { return new SilentMediaPlayer; }
