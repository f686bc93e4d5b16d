#include "dialogs/progress.h"

#include "app/windows.h"
#include "dialogs/counter_window.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// The boxes take a new value when the window is repainted, at most this often, and
// once more at the end: more repaints than a display shows would only slow a load
// down (setting a text box alone costs about 2 us, a repaint far more).
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
    if (pending_ && WindowExists<frm_Counter>())
        show();
    UnloadWindow<frm_Counter>();
}

void Progress::SetCurrent(const QString &text)
{
    current_ = text;
    pending_ = true;
    if (sinceShown_.elapsed() >= RepaintIntervalMs)
        show();
}

void Progress::SetTotal(const QString &text)
{
    total_ = text;
    pending_ = true;
    if (sinceShown_.elapsed() >= RepaintIntervalMs)
        show();
}

void Progress::show()
{
    frm_Counter &counter = Window<frm_Counter>();
    counter.text_current->setText(current_);
    counter.text_Total->setText(total_);
    counter.repaint();
    sinceShown_.start();
    pending_ = false;
}
