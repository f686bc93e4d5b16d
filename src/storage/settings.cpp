#include "storage/settings.h"

#include "app/windows.h"
#include "dialogs/add_songs_window.h"
#include "dialogs/options_window.h"
#include "dialogs/view_modes.h"
#include "platform/app_dir.h"
#include "platform/default_paths.h"
#include "platform/drive_list_box.h"
#include "platform/number_text.h"
#include "platform/regular_file.h"
#include "state/globals.h"
#include "storage/field_reader.h"
#include "storage/quick_load_window.h"
#include "storage/save_file.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace Functions {

namespace {
const QString SettingsFile = QStringLiteral("Korvel.ini");
const QString ListNameKey = QStringLiteral("ListName");

// A font size as the file holds it; anything that is no 16-bit number reads as 0.
int16_t fontSizeValue(const QString &text)
{
    const std::optional<double> value = Platform::NumberValue(text);
    const std::optional<int16_t> size = value ? Platform::RoundedInt16(*value) : std::nullopt;
    return size.value_or(0);
}

void store(const QString &key, const QString &value)
{
    if (key == QLatin1String("SortBy"))
        SortBy = value;
    else if (key == QLatin1String("CdDrive"))
        CdDrive = value;
    else if (key == QLatin1String("FontSize"))
        FontSize = fontSizeValue(value);
    else if (key == QLatin1String("SongsStartDir"))
        SongsStartDir = value;
    else {
        for (int slot = 0; slot < frm_QuickLoad::Slots; ++slot) {
            if (key == ListNameKey + QString::number(slot))
                Window<frm_QuickLoad>().text_ListName.at(static_cast<std::size_t>(slot))->setText(value);
        }
    }
}

QByteArray line(const QString &key, const QByteArray &value) { return QuotedField(key) + ',' + value + "\r\n"; }
} // namespace

void ReadSettings()
{
    // The slot names live in the quick-load window, which holds them from now on.
    Window<frm_QuickLoad>();
    SortBy.clear();
    CdDrive.clear();
    FontSize = 0;
    SongsStartDir.clear();

    QFile file;
    if (Platform::OpenRegularFile(file, Platform::ApplicationFile(SettingsFile))) {
        FieldReader reader(file);
        QString key;
        QString value;
        while (!reader.AtEnd() && reader.Next(key) == FieldReader::Status::Ok &&
               reader.Next(value) == FieldReader::Status::Ok)
            store(key, value);
    }

    if (SortBy.isEmpty())
        SortBy = QStringLiteral("TAS");
    if (CdDrive.isEmpty())
        CdDrive = Platform::DefaultCdDrive();
    if (FontSize == 0)
        FontSize = 8;
    if (SongsStartDir.isEmpty())
        SongsStartDir = Platform::DefaultSongsStartDir();
    ApplySettings();
}

void WriteSettings()
{
    const frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
    QByteArray text = line(QStringLiteral("SortBy"), QuotedField(SortBy)) +
                      line(QStringLiteral("CdDrive"), QuotedField(CdDrive)) +
                      line(QStringLiteral("FontSize"), QByteArray::number(FontSize)) +
                      line(QStringLiteral("SongsStartDir"), QuotedField(SongsStartDir));
    for (int i = 0; i < frm_QuickLoad::Slots; ++i)
        text += line(ListNameKey + QString::number(i), QuotedField(quickLoad.text_ListName.at(static_cast<std::size_t>(i))->text()));
    WriteWholeFile(Platform::ApplicationFile(SettingsFile), text);
}

void ApplySettings()
{
    frm_Options &options = Window<frm_Options>();
    if (QRadioButton *mode = options.ModeButton(SortBy))
        options.SelectMode(mode);
    options.text_CdDrive->setText(CdDrive);
    options.text_FontSize->setText(QString::number(FontSize));
    Dialogs::SetViewFontSize(FontSize);
    options.text_SongsStartDir->setText(SongsStartDir);
    // A start directory on no mounted drive leaves the drive list as it was.
    Window<frm_addsongs>().SetDrive(Platform::DriveOf(SongsStartDir));
}

} // namespace Functions
