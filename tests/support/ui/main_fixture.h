// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts, over the test player whose play command waits no longer
// than a pass over the pending events, with its messages recorded instead of shown;
// the main window made, not shown.
#pragma once

#include "platform/drives.h"
#include "support/fake_media_player.h"
#include "support/state.h"
#include "ui/kit/directory_list_box.h"
#include "ui/kit/drive_list_box.h"
#include "ui/kit/keyed_tree.h"
#include "ui/main/startup.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/counter_window.h"
#include "ui/windows/options_window.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/quick_load_window.h"

#include <QtWidgets>

namespace TestSupport {

// The texts; a test may act while a message is shown, as a modal box lets events in.
struct RecordedMessages : Screen::Messages {
    void Show(const QString &text) override { texts.append(text), whileShown(); }
    QStringList texts;
    std::function<void()> whileShown = [] {};
};

// A jukebox without any window, not yet started, whose play command waits no longer
// than a pass over the pending events; a test acts during the wait through an event it
// posts before the command.
struct JukeboxFixture {
    RecordedMessages messages;
    FakeMediaPlayer *player = new FakeMediaPlayer;
    Jukebox jukebox{{player, 0, &messages}};

    Model &model() { return jukebox.model(); }
};

struct MainFixture {
    RecordedMessages messages;
    FakeMediaPlayer *player = new FakeMediaPlayer;
    Startup::Program program{{}, {player, 0, &messages}};
    Jukebox &jukebox = program.jukebox();
    Main *const main = &program.window();

    Model &model() { return jukebox.model(); }
    // The main window's control named `name`.
    template <class T>
    T *control(const char *name) const
    {
        T *found = main->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("the main window has no %s", name);
        return found;
    }
    Kit::KeyedTree *tree() const { return control<Kit::KeyedTree>("TreeView1"); }
    QListWidget *list() const { return control<QListWidget>("List1"); }
    void click(const char *button) const { control<QAbstractButton>(button)->click(); }
};

} // namespace TestSupport
