// A main window over the test player, as the program's start-up makes it; the play
// command's wait lets pending events run instead of waiting on the clock.
#pragma once

#include "support/fake_media_player.h"
#include "ui/main/main_window.h"

#include <QCoreApplication>
#include <memory>

namespace TestSupport {

struct MainFixture {
    FakeMediaPlayer *player = new FakeMediaPlayer;
    std::unique_ptr<Main> main{new Main(player, [](int) { QCoreApplication::processEvents(); })};
};

} // namespace TestSupport
