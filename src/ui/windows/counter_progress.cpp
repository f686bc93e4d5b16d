// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/counter_progress.h"

#include "ui/windows/counter_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWindow>

namespace {
// Repainting more often than a display refreshes shows nothing more and would
// dominate the cost of a long load; the boxes take their texts only when painted,
// as setting a text box's text costs about as much as reading a song's tag.
constexpr qint64 RepaintIntervalMs = 20;
// How long a newly shown window may take to be exposed before the work goes on.
constexpr qint64 ExposeWaitMs = 500;
// The work lets the window system expose and paint its windows, but handles no
// clicks, keys or timers until it is over; calls from the session bus that arrive
// meanwhile are held by the command door.
constexpr auto WindowSystemOnly =
    QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers | QEventLoop::ExcludeSocketNotifiers;

bool IsExposed(const QWidget &window) { return window.windowHandle() && window.windowHandle()->isExposed(); }
} // namespace

CounterProgress::~CounterProgress() { delete window_.data(); }

frm_Counter &CounterProgress::Window()
{
    if (!window_)
        window_ = new frm_Counter(owner_);
    return *window_;
}

void CounterProgress::Show(const QString &activity, const QString &current, const QString &total)
{
    current_ = current;
    total_ = total;
    Window().Label1->setText(activity);
    // The next activity of the same work keeps the window shown; a new window is
    // drawn only once the window system has exposed it. The events handled meanwhile
    // may close it, so it is looked up again each time.
    if (!Window().isVisible()) {
        Window().show();
        QElapsedTimer waited;
        waited.start();
        while (window_ && !IsExposed(*window_) && waited.elapsed() < ExposeWaitMs)
            QCoreApplication::processEvents(WindowSystemOnly, RepaintIntervalMs);
    }
    Repaint();
}

void CounterProgress::SetCounts(const QString &current, const QString &total)
{
    current_ = current;
    total_ = total;
    dirty_ = true;
    if (sinceRepaint_.elapsed() >= RepaintIntervalMs)
        Repaint();
}

void CounterProgress::Unload()
{
    if (dirty_ && window_)
        Repaint();
    delete window_.data();
}

void CounterProgress::Repaint()
{
    {
        frm_Counter &counter = Window();
        counter.text_current->setText(current_);
        counter.text_Total->setText(total_);
        counter.repaint();
    }
    QCoreApplication::processEvents(WindowSystemOnly);
    sinceRepaint_.start();
    dirty_ = false;
}
