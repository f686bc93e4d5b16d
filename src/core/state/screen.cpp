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

class StandardError : public Messages {
public:
    void Show(const QString &text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'))));
    }
};

class NoViews : public Views {
public:
    void RebuildTree() override {}
    void RefillList(const QString &) override {}
    void ShowTree(bool) override {}
};

Progress *attachedProgress = nullptr;
Messages *attachedMessages = nullptr;
Views *attachedViews = nullptr;
} // namespace

Progress *AttachProgress(Progress *progress) { return std::exchange(attachedProgress, progress); }
Messages *AttachMessages(Messages *messages) { return std::exchange(attachedMessages, messages); }
Views *AttachViews(Views *views) { return std::exchange(attachedViews, views); }

Progress &progress()
{
    static NoProgress none;
    return attachedProgress ? *attachedProgress : none;
}

Messages &messages()
{
    static StandardError standardError;
    return attachedMessages ? *attachedMessages : standardError;
}

Views &views()
{
    static NoViews none;
    return attachedViews ? *attachedViews : none;
}

} // namespace Screen

namespace {
int runningReports = 0;
} // namespace

ProgressReport::ProgressReport(const QString &activity, const QString &current, const QString &total) : total_(total)
{
    ++runningReports;
    Screen::progress().Show(activity, current, total);
}

ProgressReport::~ProgressReport()
{
    Screen::progress().Unload();
    --runningReports;
}

bool ProgressReport::Running() { return runningReports > 0; }

void ProgressReport::SetCurrent(const QString &text) { Screen::progress().SetCounts(text, total_); }

void ProgressReport::SetCounts(const QString &current, const QString &total)
{
    total_ = total;
    Screen::progress().SetCounts(current, total);
}
