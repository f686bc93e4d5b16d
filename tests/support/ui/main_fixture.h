// A main window over the test player whose play command lets pending events run instead of waiting.
#pragma once

#include "platform/drives.h"
#include "support/fake_media_player.h"
#include "support/state.h"
#include "ui/kit/directory_list_box.h"
#include "ui/kit/drive_list_box.h"
#include "ui/kit/keyed_tree.h"
#include "ui/main/main_window.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/counter_window.h"
#include "ui/windows/options_window.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/quick_load_window.h"
#include "ui/windows/windows.h"

#include <QtWidgets>
#include <memory>

namespace TestSupport {

struct MainFixture {
    FakeMediaPlayer *player = new FakeMediaPlayer;
    std::unique_ptr<Main> main{new Main(player, [](int) { QCoreApplication::processEvents(); })};
};

} // namespace TestSupport
