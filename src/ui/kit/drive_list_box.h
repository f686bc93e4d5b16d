// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down list of the drives: the roots of the mounted volumes.
#pragma once

#include <QComboBox>

namespace Kit {

class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget *parent = nullptr);

    // The chosen drive's root.
    QString Drive() const;
    // Chooses the drive whose root is `drive` ("F:" and "F:/" alike), refreshing
    // the list first; emits Change. False, with nothing changed, when no mounted
    // volume has that root.
    bool SetDrive(const QString &drive);

    // The list is read afresh when it opens, so that a disc put in meanwhile shows.
    void showPopup() override;

signals:
    // The chosen drive changed, by the user or by SetDrive.
    void Change();

private:
    void Refresh();
};

} // namespace Kit
