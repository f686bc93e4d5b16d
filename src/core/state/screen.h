// What the core shows on the screen, through three small interfaces that the
// windows implement and attach: the progress window, message boxes, and the views
// that are rebuilt when the catalogue changes. With nothing attached the core runs
// without a screen: progress and view changes go nowhere and messages to stderr.
#pragma once

#include <QString>

namespace Screen {

// The progress window of a long operation: an activity word, "Current" and "Total".
class Progress {
public:
    virtual ~Progress() = default;
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

// The two views of the catalogue, rebuilt from it when it changes.
class Views {
public:
    virtual ~Views() = default;
    // The artist tree from the whole catalogue, then the song count.
    virtual void RebuildTree() = 0;
    // The song list in the display form "AS", "SA" or "F".
    virtual void RefillList(const QString &form) = 0;
    // Shows the tree and hides the list, or the other way round.
    virtual void ShowTree(bool tree) = 0;
};

// Each attach returns what was attached before (null for nothing), so that it
// can be put back.
Progress *AttachProgress(Progress *progress);
Messages *AttachMessages(Messages *messages);
Views *AttachViews(Views *views);

// What is attached, or a stand-in that shows nothing (messages go to stderr).
Progress &progress();
Messages &messages();
Views &views();

} // namespace Screen

// Shows a message box, or writes the text to stderr when no screen is attached.
inline void ShowMessage(const QString &text) { Screen::messages().Show(text); }

// One operation's use of the progress window: shown with its activity word and
// start values while the object lives.
class ProgressReport {
public:
    ProgressReport(const QString &activity, const QString &current, const QString &total);
    ~ProgressReport();
    // Whether a long operation shows its progress now. While one does, only the
    // window system's drawing may interrupt it, and nothing may start a song.
    static bool Running();
    ProgressReport(const ProgressReport &) = delete;
    ProgressReport &operator=(const ProgressReport &) = delete;

    void SetCurrent(const QString &text);
    void SetCounts(const QString &current, const QString &total);

private:
    QString total_;
};
