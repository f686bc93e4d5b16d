// SPDX-License-Identifier: GPL-3.0-or-later
// What the core shows on the screen, through four small interfaces that the windows
// implement and attach to the model's Surface: the progress window, message boxes,
// the views that are rebuilt when the catalogue changes, and the current song. With
// nothing attached the core runs without a screen: progress, views and the current
// song go nowhere and messages to stderr.
#pragma once

#include "core/state/tree_node.h"
#include "core/state/work_under_way.h"

#include <QString>
#include <QStringList>
#include <vector>

class ProgressReport;

namespace Screen {

// The progress window of a long operation: an activity word, "Current" and "Total".
class Progress {
public:
    virtual ~Progress() = default;
    // Shows the window, or gives the one shown its next activity word.
    virtual void Show(const QString &activity, const QString &current, const QString &total) = 0;
    // Both numbers at once, so that the window never shows one ahead of the other.
    virtual void SetCounts(const QString &current, const QString &total) = 0;
    virtual void Unload() = 0;
};

// Message boxes with an OK button only.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Show(const QString &text) = 0;
};

// The two views of the catalogue.
class Views {
public:
    virtual ~Views() = default;
    // The artist tree's nodes, the root first and each node after its parent.
    virtual void RebuildTree(const std::vector<Functions::TreeNode> &nodes) = 0;
    // The song list's rows, one per song in catalogue order.
    virtual void RefillList(const QStringList &rows) = 0;
    // Shows the tree and hides the list, or the other way round.
    virtual void ShowTree(bool tree) = 0;
};

// The song playing as the windows show it.
class NowPlaying {
public:
    virtual ~NowPlaying() = default;
    // The current song's "Artist - SongName" above the views.
    virtual void ShowCurrentSong(const QString &text) = 0;
    // Marks CurrentSong in the visible view; throws when the view has no place for it.
    virtual void MarkCurrentSong() = 0;
};

// The screen as the core reaches it. A message box, and an operation that shows its
// progress, count as work under way on the surface's work.
class Surface {
public:
    explicit Surface(WorkUnderWay &work) : work_(work) {}

    // Each attach returns what was attached before (null for nothing).
    Progress *Attach(Progress *progress);
    Messages *Attach(Messages *messages);
    Views *Attach(Views *views);
    NowPlaying *Attach(NowPlaying *nowPlaying);

    Progress &progress();
    Views &views();
    NowPlaying &nowPlaying();
    // Shows a message box, or writes the text to stderr when none is attached.
    void ShowMessage(const QString &text);

    WorkUnderWay &work() { return work_; }

private:
    WorkUnderWay &work_;
    Progress *progress_ = nullptr;
    Messages *messages_ = nullptr;
    Views *views_ = nullptr;
    NowPlaying *nowPlaying_ = nullptr;
};

} // namespace Screen

// One operation's use of the progress window: its activity word and counts shown
// while the object lives, an operation under way. Operations inside another give the
// window their own word and counts; only the outermost shows and unloads the window.
class ProgressReport {
public:
    ProgressReport(Screen::Surface &surface, const QString &activity, const QString &current, const QString &total);
    ~ProgressReport();
    ProgressReport(const ProgressReport &) = delete;
    ProgressReport &operator=(const ProgressReport &) = delete;

    void SetCurrent(const QString &text);
    void SetCounts(const QString &current, const QString &total);

private:
    Screen::Surface &surface_;
    const bool outermost_;
    WorkUnderWay::Token operation_;
    QString total_;
};
