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
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("sortBy");
        QTest::addColumn<QString>("cdDrive");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("viewPoints");
        QTest::addColumn<QString>("slot0");
        QTest::addColumn<QString>("slot1");
        const QString cd = Platform::DefaultCdDrive();
        const QString general = QStringLiteral("General");
        QTest::newRow("no file") << QByteArray() << "TAS" << cd << 8 << 8 << general << "";
        QTest::newRow("only FontSize") << QByteArray("\"FontSize\",12\r\n") << "TAS" << cd << 12 << 12 << general << "";
        QTest::newRow("FontSize 0") << QByteArray("\"FontSize\",0\r\n") << "TAS" << cd << 8 << 8 << general << "";
        QTest::newRow("quoted FontSize") << QByteArray("\"FontSize\",\"12\"") << "TAS" << cd << 12 << 12 << general << "";
        QTest::newRow("half to even") << QByteArray("\"FontSize\", +12.5 \r\n") << "TAS" << cd << 12 << 12 << general << "";
        QTest::newRow("not a number") << QByteArray("\"FontSize\",\"big\"") << "TAS" << cd << 8 << 8 << general << "";
        QTest::newRow("beyond 16 bits") << QByteArray("\"FontSize\",40000") << "TAS" << cd << 8 << 8 << general << "";
        QTest::newRow("views kept to 30") << QByteArray("\"FontSize\",50") << "TAS" << cd << 50 << 30 << general << "";
        QTest::newRow("views kept to 8") << QByteArray("\"FontSize\",-3") << "TAS" << cd << -3 << 8 << general << "";
        QTest::newRow("key case") << QByteArray("\"sortby\",\"LAS\"\r\n") << "TAS" << cd << 8 << 8 << general << "";
        QTest::newRow("unknown key and its value skipped")
            << QByteArray("\"Volume\",\"SortBy\"\r\n\"CdDrive\",\"/dev/sr1\"\r\n") << "TAS" << "/dev/sr1" << 8 << 8 << general << "";
        QTest::newRow("any order, last duplicate wins")
            << QByteArray("\"ListName1\",\"b\"\r\n\"SortBy\",\"LAS\"\r\n\"CdDrive\",\"\"\r\n\"SortBy\",\"LF\"\r\n"
                          "\"ListName1\",\"c, d\"\r\n\"ListName0\",\"\"\r\n")
            << "LF" << cd << 8 << 8 << "" << "c, d";
    }

    void readingRules()
    {
        QFETCH(QByteArray, file);
        TestSupport::AppDir dir;
        if (!file.isEmpty())
            dir.write("Korvel.ini", file);
        TestSupport::MainFixture f;
        QTEST(SortBy, "sortBy");
        QTEST(CdDrive, "cdDrive");
        QTEST(int(FontSize), "fontSize");
        QTEST(f.main->List1->font().pointSize(), "viewPoints");
        QCOMPARE(Window<frm_Options>().text_FontSize->text(), QString::number(FontSize));
        QCOMPARE(Window<frm_Options>().text_SongsStartDir->text(), Platform::DefaultSongsStartDir());
        QTEST(slotName(0), "slot0");
        QTEST(slotName(1), "slot1");
        QCOMPARE(f.main->List1->isHidden(), SortBy == QLatin1String("TAS"));
        QCOMPARE(f.main->TreeView1->isHidden(), SortBy != QLatin1String("TAS"));
    }

    void writesTenLinesThatReadBack()
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
        QCOMPARE(dir.read("Korvel.ini"),
                 QByteArray("\"SortBy\",\"LSA\"\r\n\"CdDrive\",\"/mnt/cd\"\r\n\"FontSize\",14\r\n"
                            "\"SongsStartDir\",\"/home/u/Music\"\r\n\"ListName0\",\"Party, loud\"\r\n"
                            "\"ListName1\",\"\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"\"\r\n"
                            "\"ListName4\",\"Quiet\"\r\n\"ListName5\",\"\"\r\n"));
        TestSupport::MainFixture f;
        QCOMPARE(QStringList({SortBy, CdDrive, QString::number(FontSize), SongsStartDir, slotName(0), slotName(4)}),
                 QStringList({"LSA", "/mnt/cd", "14", "/home/u/Music", "Party, loud", "Quiet"}));
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

    void savedListModeIsShownAtStartUp()
    {
        const QByteArray settings = "\"SortBy\",\"LAS\"\r\n";
        const QByteArray playlist = "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n\"B\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n";
        TestSupport::AppDir dir;
        dir.write("Korvel.ini", settings);
        dir.write("playlist0.txt", playlist);
        {
            TestSupport::MainFixture f;
            QCOMPARE(SongCount, 2);
            QVERIFY(!f.main->List1->isHidden());
            QVERIFY(f.main->TreeView1->isHidden());
        }

        QCOMPARE(dir.read("Korvel.ini"), settings);
        QCOMPARE(dir.read("playlist0.txt"), playlist);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
