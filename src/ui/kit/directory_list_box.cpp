// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/directory_list_box.h"

#include "ui/kit/key_codes.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace Kit {

namespace {
const QString Up = QStringLiteral("..");
} // namespace

DirectoryListBox::DirectoryListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Refilling the list inside the click that caused it would pull the rows from
    // under the view: the click is handled once the view is done with it.
    connect(this, &QListWidget::itemClicked, this, &DirectoryListBox::Click, Qt::QueuedConnection);
}

void DirectoryListBox::SetPath(const QString &path)
{
    QDir dir(path);
    path_ = QDir::toNativeSeparators(dir.absolutePath());
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    clear();
    if (!dir.isRoot())
        addItem(new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent), Up));
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString &name : names)
        addItem(new QListWidgetItem(folder, name));
    scrollToTop();
    emit Change();
}

QString DirectoryListBox::EntryPath(int row) const
{
    const QListWidgetItem *entry = item(row);
    if (!entry)
        return path_;
    QDir dir(path_);
    return QDir::toNativeSeparators(QDir::cleanPath(dir.absoluteFilePath(entry->text())));
}

void DirectoryListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit KeyPress(KeyCode::Enter);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryListBox::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }

} // namespace Kit
