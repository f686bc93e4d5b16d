// SPDX-License-Identifier: GPL-3.0-or-later
// The settings: the view-and-sort mode, the CD drive, the views' font size, the
// add-songs start directory, the quick-load slots' names and the tags read. Their
// file, with the defaults, is core/storage/settings_file.h.
#pragma once

#include "core/state/sort_mode.h"
#include "core/state/tag_reading.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

constexpr int QuickLoadSlots = 6;

class Settings : public QObject {
    Q_OBJECT
public:
    SortMode SortBy() const { return sortBy_; }
    const QString &CdDrive() const { return cdDrive_; }
    int16_t FontSize() const { return fontSize_; }
    const QString &SongsStartDir() const { return songsStartDir_; }
    const QString &SlotName(int slot) const { return slotNames_.at(static_cast<std::size_t>(slot)); }
    // The tags the next tagging pass reads.
    Functions::TagReading Tags() const { return tags_; }

    // Each setter announces a value that really changed, once.
    void SetSortBy(SortMode mode);
    void SetCdDrive(const QString &drive);
    void SetFontSize(int16_t size);
    void SetSongsStartDir(const QString &dir);
    void SetSlotName(int slot, const QString &name);
    void SetTags(Functions::TagReading tags);

signals:
    void sortByChanged();
    void cdDriveChanged();
    void fontSizeChanged();
    void songsStartDirChanged();
    void slotNameChanged(int slot);
    void tagsChanged();

private:
    SortMode sortBy_ = SortMode::TreeArtistSong;
    QString cdDrive_;
    int16_t fontSize_ = 0;
    QString songsStartDir_;
    std::array<QString, QuickLoadSlots> slotNames_;
    Functions::TagReading tags_ = Functions::TagReading::Id3v1;
};
