#include "dialogs/progress.h"

#include "app/windows.h"
#include "dialogs/counter_window.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Repainting more often than a display refreshes shows nothing more and would
// dominate the cost of a long load; the boxes take their texts only when painted,
// as setting a text box's text costs about as much as reading a song's tag.
constexpr qint64 RepaintIntervalMs = 20;
} // namespace

Progress::Progress(const QString &activity, const QString &current, const QString &total)
    : current_(current), total_(total)
{
    frm_Counter &counter = Window<frm_Counter>();
    counter.Label1->setText(activity);
    counter.show();
    show();
}

Progress::~Progress()
{
    if (dirty_ && WindowExists<frm_Counter>())
        show();
    UnloadWindow<frm_Counter>();
}

void Progress::SetCurrent(const QString &text)
{
    current_ = text;
    changed();
}

void Progress::SetTotal(const QString &text)
{
    total_ = text;
    changed();
}

QString Progress::Current() const { return current_; }

void Progress::changed()
{
    dirty_ = true;
    if (sinceRepaint_.elapsed() >= RepaintIntervalMs)
        show();
}

void Progress::show()
{
    frm_Counter &counter = Window<frm_Counter>();
    counter.text_current->setText(current_);
    counter.text_Total->setText(total_);
    counter.repaint();
    sinceRepaint_.start();
    dirty_ = false;
}
