#include "platform/drive_list_box.h"

#include <QDir>
#include <QStorageInfo>

namespace Platform {

namespace {
QStringList standInRoots;

QStringList DriveRoots()
{
    if (!standInRoots.isEmpty())
        return standInRoots;
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    roots.sort();
    return roots;
}

// Roots compared as the volume list gives them: forward slashes, one at the end.
QString RootForm(const QString &drive)
{
    QString root = QDir::cleanPath(QDir::fromNativeSeparators(drive));
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return root;
}
} // namespace

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
    const QString wanted = RootForm(drive);
    for (int i = 0; i < count(); ++i) {
        if (RootForm(itemText(i)) == wanted) {
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
    const QStringList roots = DriveRoots();
    const QString chosen = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(roots);
    setCurrentIndex(std::max(0, static_cast<int>(roots.indexOf(chosen))));
}

QString DriveOf(const QString &path)
{
    if (path.isEmpty())
        return QString();
    // The drive whose root is the longest that the path starts with.
    const QString form = RootForm(path);
    QString best;
    qsizetype bestLength = -1;
    for (const QString &root : DriveRoots()) {
        const QString rootForm = RootForm(root);
        if (form.startsWith(rootForm) && rootForm.size() > bestLength) {
            best = root;
            bestLength = rootForm.size();
        }
    }
    return best;
}

void SetDriveRoots(const QStringList &roots) { standInRoots = roots; }

} // namespace Platform
