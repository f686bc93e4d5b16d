// SPDX-License-Identifier: GPL-3.0-or-later
// A list of one directory's subdirectories, with a way up, that opens the entry
// clicked or chosen with Enter.
#pragma once

#include <QListWidget>

namespace Kit {

class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget *parent = nullptr);

    // The directory shown, as an absolute path.
    QString Path() const { return path_; }
    // Shows the directory at `path` and emits Change.
    void SetPath(const QString &path);
    // The directory that row `row` stands for: the parent for the way up.
    QString EntryPath(int row) const;

signals:
    void Change();
    // A row was clicked, or Enter pressed on it.
    void Click();
    void KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The second press of a double click opens nothing: the first click has opened its
    // directory, and the row now under the pointer is another.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString path_;
};

} // namespace Kit
