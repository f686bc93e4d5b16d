// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/settings.h"

#include "core/catalogue/view_modes.h"
#include "core/state/number_text.h"
#include "core/storage/field_reader.h"
#include "core/storage/save_file.h"
#include "platform/app_dir.h"
#include "platform/default_paths.h"
#include "platform/regular_file.h"

#include <QFile>

namespace Functions {

namespace {
const QString SettingsFile = QStringLiteral("Korvel.ini");
const QString ListNameKey = QStringLiteral("ListName");
const QString TagsKey = QStringLiteral("Tags");
const QString Id3v2Value = QStringLiteral("ID3v2");
constexpr int16_t DefaultFontSize = 8;

// A font size as the file holds it; anything that is no 16-bit number reads as 0.
int16_t FontSizeValue(const QString &text)
{
    const std::optional<double> value = NumberValue(text);
    return (value ? RoundHalfEvenInt16(*value) : std::nullopt).value_or(0);
}

// The four settings as the file gives them, before the defaults.
struct Read {
    QString sortBy;
    QString cdDrive;
    int16_t fontSize = 0;
    QString songsStartDir;
    QString tags;
};

void Store(const QString &key, const QString &value, Read &read, Settings &settings)
{
    if (key == QLatin1String("SortBy"))
        read.sortBy = value;
    else if (key == QLatin1String("CdDrive"))
        read.cdDrive = value;
    else if (key == QLatin1String("FontSize"))
        read.fontSize = FontSizeValue(value);
    else if (key == QLatin1String("SongsStartDir"))
        read.songsStartDir = value;
    else if (key == TagsKey)
        read.tags = value;
    else if (key.size() == ListNameKey.size() + 1 && key.startsWith(ListNameKey)) {
        const int slot = key.back().unicode() - u'0';
        if (slot >= 0 && slot < QuickLoadSlots)
            settings.SetSlotName(slot, value);
    }
}

QByteArray Line(const QString &key, const QByteArray &value) { return QuotedField(key) + ',' + value + "\r\n"; }
} // namespace

void ReadSettings(Settings &settings)
{
    QFile file;
    ReadSettings(settings, Platform::OpenRegularFile(file, Platform::ApplicationFile(SettingsFile)) ? &file : nullptr);
}

void ReadSettings(Settings &settings, QIODevice *file)
{
    Read read;
    if (file) {
        FieldReader reader(*file);
        QString key;
        QString value;
        while (!reader.AtEnd() && reader.Next(key) == FieldReader::Status::Ok &&
               reader.Next(value) == FieldReader::Status::Ok)
            Store(key, value, read, settings);
    }
    // A mode the file does not name, or names wrongly, is the tree's.
    settings.SetSortBy(SortModeOfCode(read.sortBy).value_or(SortMode::TreeArtistSong));
    settings.SetCdDrive(read.cdDrive.isEmpty() ? Platform::DefaultCdDrive() : read.cdDrive);
    settings.SetFontSize(read.fontSize == 0 ? DefaultFontSize : read.fontSize);
    settings.SetSongsStartDir(read.songsStartDir.isEmpty() ? Platform::DefaultSongsStartDir() : read.songsStartDir);
    settings.SetTags(read.tags == Id3v2Value ? TagReading::Id3v2 : TagReading::Id3v1);
}

bool WriteSettings(Screen::Surface &screen, const Settings &settings)
{
    QByteArray text = Line(QStringLiteral("SortBy"), QuotedField(ViewModeOf(settings.SortBy()).code)) +
                      Line(QStringLiteral("CdDrive"), QuotedField(settings.CdDrive())) +
                      Line(QStringLiteral("FontSize"), QByteArray::number(settings.FontSize())) +
                      Line(QStringLiteral("SongsStartDir"), QuotedField(settings.SongsStartDir()));
    for (int i = 0; i < QuickLoadSlots; ++i)
        text += Line(ListNameKey + QString::number(i), QuotedField(settings.SlotName(i)));
    // Only while it is on, so that a file written with it off is what older copies write.
    if (settings.Tags() == TagReading::Id3v2)
        text += Line(TagsKey, QuotedField(Id3v2Value));
    return WriteWholeFile(screen, Platform::ApplicationFile(SettingsFile), text);
}

bool WriteTagsSetting(Screen::Surface &screen, TagReading tags)
{
    Settings saved;
    ReadSettings(saved);
    saved.SetTags(tags);
    return WriteSettings(screen, saved);
}

} // namespace Functions
