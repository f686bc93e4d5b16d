// Korvel.ini: the defaults, the reading rules, the ten written lines, and a start-up
// with a saved list mode and start directory.
#include "app/windows.h"
#include "dialogs/add_songs_window.h"
#include "dialogs/options_window.h"
#include "platform/default_paths.h"
#include "platform/drive_list_box.h"
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "storage/quick_load_window.h"
#include "storage/settings.h"
#include "support/test_app.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString slotName(int i) { return Window<frm_QuickLoad>().text_ListName.at(static_cast<std::size_t>(i))->text(); }

// A file and the SortBy, CdDrive (empty: the default), FontSize, views' size and slots 0, 1 it gives.
void row(const char *name, const QByteArray &file, int fontSize, int viewPoints, const QString &sortBy = "TAS",
         const QString &cdDrive = {}, const QString &slot0 = "General", const QString &slot1 = {})
{
    QTest::newRow(name) << file
                        << QStringList{sortBy, cdDrive.isEmpty() ? Platform::DefaultCdDrive() : cdDrive,
                                       QString::number(fontSize), QString::number(viewPoints), slot0, slot1};
}
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        row("no file", {}, 8, 8);
        row("only FontSize", "\"FontSize\",12\r\n", 12, 12);
        row("FontSize 0", "\"FontSize\",0\r\n", 8, 8);
        row("quoted FontSize", "\"FontSize\",\"12\"", 12, 12);
        row("half to even", "\"FontSize\", +12.5 \r\n", 12, 12);
        row("not a number", "\"FontSize\",\"big\"", 8, 8);
        row("beyond 16 bits", "\"FontSize\",40000", 8, 8);
        row("views kept to 30", "\"FontSize\",50", 50, 30);
        row("views kept to 8", "\"FontSize\",-3", -3, 8);
        row("key case", "\"sortby\",\"LAS\"\r\n", 8, 8);
        row("unknown key and its value skipped", "\"Volume\",\"SortBy\"\r\n\"CdDrive\",\"/dev/sr1\"\r\n", 8, 8, "TAS", "/dev/sr1");
        row("any order, last duplicate wins",
            "\"ListName1\",\"b\"\r\n\"SortBy\",\"LAS\"\r\n\"CdDrive\",\"\"\r\n\"SortBy\",\"LF\"\r\n\"ListName1\",\"c, d\"\r\n"
            "\"ListName0\",\"\"\r\n",
            8, 8, "LF", {}, "", "c, d");
    }

    void readingRules()
    {
        QFETCH(QByteArray, file);
        TestSupport::AppDir dir;
        if (!file.isEmpty())
            dir.write("Korvel.ini", file);
        TestSupport::MainFixture f;
        QTEST((QStringList{SortBy, CdDrive, QString::number(FontSize), QString::number(f.main->List1->font().pointSize()),
                           slotName(0), slotName(1)}),
              "expected");
        QCOMPARE(Window<frm_Options>().text_FontSize->text(), QString::number(FontSize));
        QCOMPARE(Window<frm_Options>().text_SongsStartDir->text(), Platform::DefaultSongsStartDir());
        QCOMPARE(f.main->List1->isHidden(), SortBy == QLatin1String("TAS"));
        QCOMPARE(f.main->TreeView1->isHidden(), SortBy != QLatin1String("TAS"));
    }

    void writesTenLinesThatReadBackIntoTheSavedListMode()
    {
        TestSupport::AppDir dir;
        {
            TestSupport::MainFixture f;
            SortBy = QStringLiteral("LSA");
            CdDrive = QStringLiteral("/mnt/cd");
            FontSize = 14;
            SongsStartDir = QStringLiteral("/home/u/Music");
            Window<frm_QuickLoad>().text_ListName[0]->setText(QStringLiteral("Party, loud"));
            Window<frm_QuickLoad>().text_ListName[4]->setText(QStringLiteral("Quiet"));
            Functions::WriteSettings();
        }
        const QByteArray settings = dir.read("Korvel.ini");
        QCOMPARE(settings, QByteArray("\"SortBy\",\"LSA\"\r\n\"CdDrive\",\"/mnt/cd\"\r\n\"FontSize\",14\r\n"
                                      "\"SongsStartDir\",\"/home/u/Music\"\r\n\"ListName0\",\"Party, loud\"\r\n"
                                      "\"ListName1\",\"\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"\"\r\n"
                                      "\"ListName4\",\"Quiet\"\r\n\"ListName5\",\"\"\r\n"));
        const QByteArray playlist = "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n\"B\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n";
        dir.write("playlist0.txt", playlist);
        {
            TestSupport::MainFixture f;
            QCOMPARE(QStringList({SortBy, CdDrive, QString::number(FontSize), SongsStartDir, slotName(0), slotName(4)}),
                     QStringList({"LSA", "/mnt/cd", "14", "/home/u/Music", "Party, loud", "Quiet"}));
            QCOMPARE(f.main->List1->count(), 2);
            QVERIFY(!f.main->List1->isHidden() && f.main->TreeView1->isHidden());
        }
        // Nothing is written at exit.
        QCOMPARE(dir.read("Korvel.ini"), settings);
        QCOMPARE(dir.read("playlist0.txt"), playlist);
    }

    void startDirectoryChoosesTheAddSongsDrive()
    {
        QTemporaryDir drive;
        Platform::SetDriveRoots({"/", drive.path()});
        TestSupport::AppDir dir;
        dir.write("Korvel.ini", "\"SongsStartDir\",\"" + drive.path().toUtf8() + "\"\r\n");
        {
            TestSupport::MainFixture f;
            QCOMPARE(Window<frm_addsongs>().Drive1->Drive(), drive.path());
            QVERIFY(!Window<frm_addsongs>().isVisible());
        }
        // A directory below the root of another drive chooses that drive.
        dir.write("Korvel.ini", "\"SongsStartDir\",\"/usr/share\"\r\n");
        TestSupport::MainFixture f;
        QCOMPARE(Window<frm_addsongs>().Drive1->Drive(), QStringLiteral("/"));
        Platform::SetDriveRoots({});
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
