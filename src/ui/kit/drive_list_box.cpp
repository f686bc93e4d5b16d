// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/drive_list_box.h"

#include "platform/drives.h"

namespace Kit {

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    Refresh();
    connect(this, &QComboBox::activated, this, &DriveListBox::Change);
}

QString DriveListBox::Drive() const { return currentText(); }

bool DriveListBox::SetDrive(const QString &drive)
{
    if (drive.isEmpty())
        return false;
    Refresh();
    const QString wanted = Platform::RootForm(drive);
    for (int i = 0; i < count(); ++i) {
        if (Platform::RootForm(itemText(i)) == wanted) {
            setCurrentIndex(i);
            emit Change();
            return true;
        }
    }
    return false;
}

void DriveListBox::showPopup()
{
    Refresh();
    QComboBox::showPopup();
}

void DriveListBox::Refresh()
{
    const QStringList roots = Platform::DriveRoots();
    const QString chosen = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(roots);
    setCurrentIndex(std::max(0, static_cast<int>(roots.indexOf(chosen))));
}

} // namespace Kit
