// SPDX-License-Identifier: GPL-3.0-or-later
// A main window over the test player whose play command waits no longer than a
// pass over the pending events, with its messages recorded instead of shown.
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

struct RecordedMessages : Screen::Messages {
    void Show(const QString &text) override { texts.append(text); }
    QStringList texts;
};

struct MainFixture {
    RecordedMessages messages;
    FakeMediaPlayer *player = new FakeMediaPlayer;
    std::unique_ptr<Main> main{new Main(player, 0, &messages)};

    Model &model() { return main->model(); }
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
