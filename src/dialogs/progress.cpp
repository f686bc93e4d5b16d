#include "dialogs/progress.h"

#include "app/windows.h"
#include "dialogs/counter_window.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Repainting more often than a display refreshes shows nothing more and would
// dominate the cost of a long load.
constexpr qint64 RepaintIntervalMs = 20;
} // namespace

Progress::Progress(const QString &activity, const QString &current, const QString &total)
{
    frm_Counter &counter = Window<frm_Counter>();
    counter.Label1->setText(activity);
    counter.text_current->setText(current);
    counter.text_Total->setText(total);
    counter.show();
    counter.repaint();
    sinceRepaint_.start();
}

Progress::~Progress()
{
    if (dirty_ && WindowExists<frm_Counter>())
        Window<frm_Counter>().repaint();
    UnloadWindow<frm_Counter>();
}

void Progress::SetCurrent(const QString &text) { set(Window<frm_Counter>().text_current, text); }

void Progress::SetTotal(const QString &text) { set(Window<frm_Counter>().text_Total, text); }

QString Progress::Current() const { return Window<frm_Counter>().text_current->text(); }

void Progress::set(QLineEdit *box, const QString &text)
{
    box->setText(text);
    dirty_ = true;
    if (sinceRepaint_.elapsed() >= RepaintIntervalMs) {
        Window<frm_Counter>().repaint();
        sinceRepaint_.restart();
        dirty_ = false;
    }
}
