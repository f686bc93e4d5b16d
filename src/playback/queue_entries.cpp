// The queue's entries and the rows of the queue window, changed in step.
#include "playback/queue_window.h"

#include "app/main_window.h"
#include "platform/message_box.h"
#include "state/globals.h"

#include <QListWidget>
#include <utility>

namespace {
// The selected row of a list, −1 when none is selected.
int selectedRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
}
} // namespace

void frm_Q::RemoveEntry(int row)
{
    if (row < 0 || row >= QCount)
        return;
    delete list_que->takeItem(row);
    Qlist.erase(Qlist.begin() + row);
    --QCount;
    if (QCount == 0)
        Qlist.assign(1, SongPointer{QueueSentinel, 0});
}

void frm_Q::Append(const SongPointer &song, const QString &text)
{
    try {
        Increment(QCount);
    } catch (const CounterOverflow &) {
        Platform::ShowMessage(QStringLiteral("The Song Q is full: it holds at most 32,767 songs."));
        return;
    }
    list_que->addItem(text);
    // While the queue was empty, element 0 held the sentinel: the first entry replaces it.
    Qlist.resize(static_cast<std::size_t>(QCount));
    Qlist.back() = song;
}

void frm_Q::SwapEntries(int upper)
{
    QListWidgetItem *above = list_que->item(upper);
    QListWidgetItem *below = list_que->item(upper + 1);
    const QString text = above->text();
    above->setText(below->text());
    below->setText(text);
    std::swap(Qlist.at(static_cast<std::size_t>(upper)), Qlist.at(static_cast<std::size_t>(upper) + 1));
}

void frm_Q::cmd_QueRemove_Click()
{
    RemoveEntry(selectedRow(list_que));
}

void frm_Q::cmd_QueUp_Click()
{
    if (QCount < 1) {
        Platform::ShowMessage(QStringLiteral("No Songs in Q"));
        return;
    }
    const int row = selectedRow(list_que);
    if (row <= 0 || row >= QCount)
        return;
    SwapEntries(row - 1);
    list_que->setCurrentRow(row - 1);
}

void frm_Q::cmd_QueDown_Click()
{
    if (QCount < 1) {
        Platform::ShowMessage(QStringLiteral("No Songs in Q"));
        return;
    }
    const int row = selectedRow(list_que);
    if (row < 0 || row >= QCount - 1)
        return;
    SwapEntries(row);
    list_que->setCurrentRow(row + 1);
}

void frm_Q::cmd_QueClear_Click()
{
    list_que->clear();
    QCount = 0;
    Qlist.assign(1, SongPointer{QueueSentinel, 0});
    if (Main *main = Main::instance())
        main->UpdateSongTotals();
}

void frm_Q::cmd_close_Click() { hide(); }
