// Korvel.ini: the defaults, the reading rules, the ten written lines, and a start-up
// with a saved list mode, in this process and in the real program.
#include "app/windows.h"
#include "dialogs/options_window.h"
#include "platform/default_paths.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "storage/quick_load_window.h"
#include "storage/settings.h"
#include "support/test_app.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>

namespace {
QString slotName(int i) { return Window<frm_QuickLoad>().text_ListName.at(static_cast<std::size_t>(i))->text(); }

const QByteArray Playlist = "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n"
                            "\"A\",\"two\",\"/m/2.mp3\",\"2.mp3\"\r\n"
                            "\"B\",\"three\",\"/m/3.mp3\",\"3.mp3\"\r\n";
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void missingFileGivesDefaults()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        QCOMPARE(SortBy, QStringLiteral("TAS"));
        QCOMPARE(CdDrive, Platform::DefaultCdDrive());
        QCOMPARE(FontSize, 8);
        QCOMPARE(SongsStartDir, Platform::DefaultSongsStartDir());
        QCOMPARE(slotName(0), QStringLiteral("General"));
        for (int i = 1; i < 6; ++i)
            QCOMPARE(slotName(i), QString());
        QVERIFY(Window<frm_Options>().Opt_Sort_TAS->isChecked());
        QVERIFY(!f.main->TreeView1->isHidden());
        QVERIFY(f.main->List1->isHidden());
        QCOMPARE(Window<frm_Options>().text_SongsStartDir->text(), Platform::DefaultSongsStartDir());
    }

    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("sortBy");
        QTest::addColumn<QString>("cdDrive");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("viewPoints");
        QTest::addColumn<QString>("slot1");
        const QString cd = Platform::DefaultCdDrive();
        QTest::newRow("only FontSize") << QByteArray("\"FontSize\",12\r\n") << "TAS" << cd << 12 << 12 << "";
        QTest::newRow("FontSize 0") << QByteArray("\"FontSize\",0\r\n") << "TAS" << cd << 8 << 8 << "";
        QTest::newRow("quoted FontSize") << QByteArray("\"FontSize\",\"12\"") << "TAS" << cd << 12 << 12 << "";
        QTest::newRow("half to even") << QByteArray("\"FontSize\", +12.5 \r\n") << "TAS" << cd << 12 << 12 << "";
        QTest::newRow("not a number") << QByteArray("\"FontSize\",\"big\"\r\n") << "TAS" << cd << 8 << 8 << "";
        QTest::newRow("beyond 16 bits") << QByteArray("\"FontSize\",40000\r\n") << "TAS" << cd << 8 << 8 << "";
        QTest::newRow("views kept to 30") << QByteArray("\"FontSize\",50\r\n") << "TAS" << cd << 50 << 30 << "";
        QTest::newRow("views kept to 8") << QByteArray("\"FontSize\",-3\r\n") << "TAS" << cd << -3 << 8 << "";
        QTest::newRow("key case") << QByteArray("\"sortby\",\"LAS\"\r\n") << "TAS" << cd << 8 << 8 << "";
        QTest::newRow("unknown key skipped with its value")
            << QByteArray("\"Volume\",\"SortBy\"\r\n\"CdDrive\",\"/dev/sr1\"\r\n") << "TAS" << "/dev/sr1" << 8 << 8 << "";
        QTest::newRow("any order, last duplicate wins")
            << QByteArray("\"ListName1\",\"b\"\r\n\"SortBy\",\"LAS\"\r\n\"CdDrive\",\"\"\r\n\"SortBy\",\"LF\"\r\n"
                          "\"ListName1\",\"c, d\"\r\n\"ListName0\",\"\"\r\n")
            << "LF" << cd << 8 << 8 << "c, d";
    }

    void readingRules()
    {
        QFETCH(QByteArray, file);
        TestSupport::AppDir dir;
        dir.write("Korvel.ini", file);
        TestSupport::MainFixture f;
        QTEST(SortBy, "sortBy");
        QTEST(CdDrive, "cdDrive");
        QTEST(int(FontSize), "fontSize");
        QTEST(f.main->List1->font().pointSize(), "viewPoints");
        QTEST(f.main->TreeView1->font().pointSize(), "viewPoints");
        QCOMPARE(Window<frm_Options>().text_FontSize->text(), QString::number(FontSize));
        QTEST(slotName(1), "slot1");
        QCOMPARE(slotName(0), file.contains("ListName0") ? QString() : QStringLiteral("General"));
        QCOMPARE(f.main->List1->isHidden(), SortBy == QLatin1String("TAS"));
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
        SortBy.clear();
        TestSupport::MainFixture f;
        QCOMPARE(SortBy, QStringLiteral("LSA"));
        QCOMPARE(CdDrive, QStringLiteral("/mnt/cd"));
        QCOMPARE(FontSize, 14);
        QCOMPARE(SongsStartDir, QStringLiteral("/home/u/Music"));
        QCOMPARE(slotName(0), QStringLiteral("Party, loud"));
        QCOMPARE(slotName(4), QStringLiteral("Quiet"));
    }

    void failedWriteKeepsOldFileAndTellsUser()
    {
        TestSupport::AppDir dir;
        TestSupport::MainFixture f;
        QVERIFY(QDir(dir.path()).mkpath("Korvel.ini/kept"));
        Platform::MessageCapture capture;
        Functions::WriteSettings();
        QCOMPARE(capture.messages().size(), 1);
        QVERIFY(capture.messages().at(0).contains(dir.file("Korvel.ini")));
        QVERIFY(QFileInfo::exists(dir.file("Korvel.ini/kept")));
    }

    void savedListModeShowsListAtStartUp()
    {
        TestSupport::AppDir dir;
        dir.write("Korvel.ini", "\"SortBy\",\"LAS\"\r\n");
        dir.write("playlist0.txt", Playlist);
        TestSupport::MainFixture f;
        QCOMPARE(SongCount, 3);
        QVERIFY(Window<frm_Options>().Opt_Sort_LAS->isChecked());
        QVERIFY(!f.main->List1->isHidden());
        QVERIFY(f.main->TreeView1->isHidden());
    }

    void realProgramStartsWithSavedListMode()
    {
        // The program's directory is its application directory: run a link or copy of it there.
        QTemporaryDir appDir;
        const QString program = appDir.filePath("korvel");
        std::error_code notLinked;
        std::filesystem::create_hard_link(KORVEL_BINARY, program.toStdString(), notLinked);
        QVERIFY(!notLinked || QFile::copy(KORVEL_BINARY, program));
        const QByteArray settings = "\"SortBy\",\"LAS\"\r\n";
        for (const auto &[name, contents] : {std::pair{"Korvel.ini", settings}, std::pair{"playlist0.txt", Playlist}}) {
            QFile file(appDir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        }
        QProcess korvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        korvel.setProcessEnvironment(environment);
        korvel.start(program);
        QVERIFY(korvel.waitForStarted());
        QVERIFY2(!korvel.waitForFinished(3000), korvel.readAllStandardError().constData());
        korvel.kill();
        korvel.waitForFinished();
        QFile written(appDir.filePath("Korvel.ini"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), settings);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
