#include "core/storage/settings.h"

#include "core/state/globals.h"
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
constexpr int16_t DefaultFontSize = 8;

// A font size as the file holds it; anything that is no 16-bit number reads as 0.
int16_t FontSizeValue(const QString &text)
{
    const std::optional<double> value = NumberValue(text);
    return (value ? RoundHalfEvenInt16(*value) : std::nullopt).value_or(0);
}

void Store(const QString &key, const QString &value, SlotNames &names)
{
    if (key == QLatin1String("SortBy"))
        SortBy = value;
    else if (key == QLatin1String("CdDrive"))
        CdDrive = value;
    else if (key == QLatin1String("FontSize"))
        FontSize = FontSizeValue(value);
    else if (key == QLatin1String("SongsStartDir"))
        SongsStartDir = value;
    else if (key.size() == ListNameKey.size() + 1 && key.startsWith(ListNameKey)) {
        const int slot = key.back().unicode() - u'0';
        if (slot >= 0 && slot < QuickLoadSlots)
            names[static_cast<std::size_t>(slot)] = value;
    }
}

QByteArray Line(const QString &key, const QByteArray &value) { return QuotedField(key) + ',' + value + "\r\n"; }
} // namespace

SlotNames ReadSettings()
{
    QFile file;
    return ReadSettings(Platform::OpenRegularFile(file, Platform::ApplicationFile(SettingsFile)) ? &file : nullptr);
}

SlotNames ReadSettings(QIODevice *file)
{
    SortBy.clear();
    CdDrive.clear();
    FontSize = 0;
    SongsStartDir.clear();
    SlotNames names;
    if (file) {
        FieldReader reader(*file);
        QString key;
        QString value;
        while (!reader.AtEnd() && reader.Next(key) == FieldReader::Status::Ok &&
               reader.Next(value) == FieldReader::Status::Ok)
            Store(key, value, names);
    }

    if (SortBy.isEmpty())
        SortBy = QStringLiteral("TAS");
    if (CdDrive.isEmpty())
        CdDrive = Platform::DefaultCdDrive();
    if (FontSize == 0)
        FontSize = DefaultFontSize;
    if (SongsStartDir.isEmpty())
        SongsStartDir = Platform::DefaultSongsStartDir();
    return names;
}

bool WriteSettings(const std::array<QString, QuickLoadSlots> &slotNames)
{
    QByteArray text = Line(QStringLiteral("SortBy"), QuotedField(SortBy)) +
                      Line(QStringLiteral("CdDrive"), QuotedField(CdDrive)) +
                      Line(QStringLiteral("FontSize"), QByteArray::number(FontSize)) +
                      Line(QStringLiteral("SongsStartDir"), QuotedField(SongsStartDir));
    for (int i = 0; i < QuickLoadSlots; ++i)
        text += Line(ListNameKey + QString::number(i), QuotedField(slotNames[static_cast<std::size_t>(i)]));
    return WriteWholeFile(Platform::ApplicationFile(SettingsFile), text);
}

} // namespace Functions
