// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/settings_file.h"

#include "core/state/number_text.h"
#include "core/storage/field_reader.h"
#include "core/storage/save_file.h"
#include "platform/app_dir.h"
#include "platform/default_paths.h"
#include "platform/regular_file.h"

#include <QFile>
#include <array>
#include <optional>
#include <utility>

namespace Functions {

const QString SettingsFile::FileName = QStringLiteral("Korvel.ini");

namespace {
const QString SortByKey = QStringLiteral("SortBy");
const QString CdDriveKey = QStringLiteral("CdDrive");
const QString FontSizeKey = QStringLiteral("FontSize");
const QString SongsStartDirKey = QStringLiteral("SongsStartDir");
const QString ListNameKey = QStringLiteral("ListName");
const QString TagsKey = QStringLiteral("Tags");
const QString Id3v2Value = QStringLiteral("ID3v2");

const std::array<std::pair<SortMode, QString>, 4> ModeCodes{{
    {SortMode::TreeArtistSong, QStringLiteral("TAS")},
    {SortMode::ListArtistSong, QStringLiteral("LAS")},
    {SortMode::ListSongArtist, QStringLiteral("LSA")},
    {SortMode::ListFileName, QStringLiteral("LF")},
}};

// The defaults; the drives' are the system's.
constexpr SortMode DefaultMode = SortMode::TreeArtistSong;
constexpr int16_t DefaultFontSize = 8;
QString DefaultSlotName(int slot) { return slot == 0 ? QStringLiteral("General") : QString(); }

// A font size as the file holds it; anything that is no 16-bit number reads as 0.
int16_t FontSizeValue(const QString &text)
{
    const std::optional<double> value = NumberValue(text);
    return (value ? RoundHalfEvenInt16(*value) : std::nullopt).value_or(0);
}

// A mode the file names exactly; nothing for any other text.
std::optional<SortMode> ModeOfCode(const QString &code)
{
    for (const auto &[mode, modeCode] : ModeCodes) {
        if (modeCode == code)
            return mode;
    }
    return std::nullopt;
}

// The settings as the file gives them, before the defaults.
struct Read {
    QString sortBy;
    QString cdDrive;
    int16_t fontSize = 0;
    QString songsStartDir;
    QString tags;
    std::array<std::optional<QString>, QuickLoadSlots> slotNames;
};

void Store(const QString &key, const QString &value, Read &read)
{
    if (key == SortByKey)
        read.sortBy = value;
    else if (key == CdDriveKey)
        read.cdDrive = value;
    else if (key == FontSizeKey)
        read.fontSize = FontSizeValue(value);
    else if (key == SongsStartDirKey)
        read.songsStartDir = value;
    else if (key == TagsKey)
        read.tags = value;
    else if (key.size() == ListNameKey.size() + 1 && key.startsWith(ListNameKey)) {
        const int slot = key.back().unicode() - u'0';
        if (slot >= 0 && slot < QuickLoadSlots)
            read.slotNames[static_cast<std::size_t>(slot)] = value;
    }
}

QByteArray Line(const QString &key, const QByteArray &value) { return QuotedField(key) + ',' + value + "\r\n"; }
} // namespace

QString SettingsFile::ModeCode(SortMode mode)
{
    for (const auto &[codedMode, code] : ModeCodes) {
        if (codedMode == mode)
            return code;
    }
    return ModeCodes.front().second;
}

SettingsFile::SettingsFile(Settings &settings, Screen::Surface &screen) : settings_(settings), screen_(screen) {}

void ReadSettings(Settings &settings, QIODevice *file)
{
    Read read;
    if (file) {
        FieldReader reader(*file);
        QString key;
        QString value;
        while (!reader.AtEnd() && reader.Next(key) == FieldReader::Status::Ok &&
               reader.Next(value) == FieldReader::Status::Ok)
            Store(key, value, read);
    }
    settings.SetSortBy(ModeOfCode(read.sortBy).value_or(DefaultMode));
    settings.SetCdDrive(read.cdDrive.isEmpty() ? Platform::DefaultCdDrive() : read.cdDrive);
    settings.SetFontSize(read.fontSize == 0 ? DefaultFontSize : read.fontSize);
    settings.SetSongsStartDir(read.songsStartDir.isEmpty() ? Platform::DefaultSongsStartDir() : read.songsStartDir);
    for (int i = 0; i < QuickLoadSlots; ++i)
        settings.SetSlotName(i, read.slotNames.at(static_cast<std::size_t>(i)).value_or(DefaultSlotName(i)));
    settings.SetTags(read.tags == Id3v2Value ? TagReading::Id3v2 : TagReading::Id3v1);
}

void SettingsFile::Read()
{
    QFile file;
    ReadSettings(settings_, Platform::OpenRegularFile(file, Platform::ApplicationFile(FileName)) ? &file : nullptr);
}

bool SettingsFile::Save() { return Write(settings_); }

bool SettingsFile::SaveTags(TagReading tags)
{
    settings_.SetTags(tags);
    Settings saved;
    SettingsFile(saved, screen_).Read();
    saved.SetTags(tags);
    return Write(saved);
}

bool SettingsFile::Write(const Settings &settings)
{
    QByteArray text = Line(SortByKey, QuotedField(ModeCode(settings.SortBy()))) +
                      Line(CdDriveKey, QuotedField(settings.CdDrive())) +
                      Line(FontSizeKey, QByteArray::number(settings.FontSize())) +
                      Line(SongsStartDirKey, QuotedField(settings.SongsStartDir()));
    for (int i = 0; i < QuickLoadSlots; ++i)
        text += Line(ListNameKey + QString::number(i), QuotedField(settings.SlotName(i)));
    // Only while it is on, so that a file written with it off is what older copies write.
    if (settings.Tags() == TagReading::Id3v2)
        text += Line(TagsKey, QuotedField(Id3v2Value));
    return WriteWholeFile(screen_, Platform::ApplicationFile(FileName), text);
}

} // namespace Functions
