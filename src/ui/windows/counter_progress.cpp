#include "ui/windows/counter_progress.h"

#include "ui/windows/counter_window.h"
#include "ui/windows/windows.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Repainting more often than a display refreshes shows nothing more and would
// dominate the cost of a long load; the boxes take their texts only when painted,
// as setting a text box's text costs about as much as reading a song's tag.
constexpr qint64 RepaintIntervalMs = 20;
} // namespace

void CounterProgress::Show(const QString &activity, const QString &current, const QString &total)
{
    current_ = current;
    total_ = total;
    frm_Counter &counter = Window<frm_Counter>();
    counter.Label1->setText(activity);
    counter.show();
    Repaint();
}

void CounterProgress::SetCurrent(const QString &text)
{
    current_ = text;
    Changed();
}

void CounterProgress::SetTotal(const QString &text)
{
    total_ = text;
    Changed();
}

void CounterProgress::Unload()
{
    if (dirty_ && WindowExists<frm_Counter>())
        Repaint();
    UnloadWindow<frm_Counter>();
}

void CounterProgress::Changed()
{
    dirty_ = true;
    if (sinceRepaint_.elapsed() >= RepaintIntervalMs)
        Repaint();
}

void CounterProgress::Repaint()
{
    frm_Counter &counter = Window<frm_Counter>();
    counter.text_current->setText(current_);
    counter.text_Total->setText(total_);
    counter.repaint();
    sinceRepaint_.start();
    dirty_ = false;
}
