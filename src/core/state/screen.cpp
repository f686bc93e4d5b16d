// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/screen.h"

#include <cstdio>
#include <utility>

namespace Screen {

namespace {
class NoProgress : public Progress {
public:
    void Show(const QString &, const QString &, const QString &) override {}
    void SetCounts(const QString &, const QString &) override {}
    void Unload() override {}
};

class NoViews : public Views {
public:
    void RebuildTree(const std::vector<Functions::TreeNode> &) override {}
    void RefillList(const QStringList &) override {}
    void ShowTree(bool) override {}
};

class NoSong : public NowPlaying {
public:
    void ShowCurrentSong(const QString &) override {}
    void MarkCurrentSong() override {}
};
} // namespace

Progress *Surface::Attach(Progress *progress) { return std::exchange(progress_, progress); }
Messages *Surface::Attach(Messages *messages) { return std::exchange(messages_, messages); }
Views *Surface::Attach(Views *views) { return std::exchange(views_, views); }
NowPlaying *Surface::Attach(NowPlaying *nowPlaying) { return std::exchange(nowPlaying_, nowPlaying); }

Progress &Surface::progress()
{
    static NoProgress none;
    return progress_ ? *progress_ : none;
}

Views &Surface::views()
{
    static NoViews none;
    return views_ ? *views_ : none;
}

NowPlaying &Surface::nowPlaying()
{
    static NoSong none;
    return nowPlaying_ ? *nowPlaying_ : none;
}

void Surface::ShowMessage(const QString &text)
{
    if (!messages_) {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'))));
        return;
    }
    // The box waits for the user: work held until it is answered.
    WorkUnderWay::Token box(work_);
    messages_->Show(text);
}

} // namespace Screen

ProgressReport::ProgressReport(Screen::Surface &surface, const QString &activity, const QString &current,
                               const QString &total)
    : surface_(surface), outermost_(!surface.work().Operating()),
      operation_(surface.work(), WorkUnderWay::Token::Kind::Operation), total_(total)
{
    surface_.progress().Show(activity, current, total);
}

ProgressReport::~ProgressReport()
{
    if (outermost_)
        surface_.progress().Unload();
}

void ProgressReport::SetCurrent(const QString &text) { surface_.progress().SetCounts(text, total_); }

void ProgressReport::SetCounts(const QString &current, const QString &total)
{
    total_ = total;
    surface_.progress().SetCounts(current, total);
}
