// Tags read from generated files: which fields are taken, and every fallback.
#include "catalogue/tags.h"
#include "state/globals.h"
#include "support/song_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::TagBytes;

class TagReadingTest : public QObject {
    Q_OBJECT
private slots:
    void tagsGiveSongNameAndArtist_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("songName");
        QTest::addColumn<QString>("artist");
        const QByteArray filler(500, 'x');
        QTest::newRow("exactly 128 bytes") << TagBytes("Abba", "The Band" + QByteArray(22, ' ')) << "Abba" << "The Band";
        QTest::newRow("shorter than 128") << TagBytes("Abba", "Band").left(127) << "No SongName" << "No Artist";
        QTest::newRow("lower-case header") << filler + TagBytes("Abba", "Band", "tag") << "No SongName" << "No Artist";
        QTest::newRow("no tag") << filler << "No SongName" << "No Artist";
        QTest::newRow("cut at NUL") << filler + TagBytes(QByteArray("AB\0CD", 5), "  X") << "AB" << "No Artist";
        QTest::newRow("digits first") << filler + TagBytes("1999", "Prince") << "1999" << "Prince";
        QTest::newRow("space first") << filler + TagBytes(" Leading", "Band") << "No SongName" << "Band";
        QTest::newRow("parenthesis first") << filler + TagBytes("(Live)", "Band") << "No SongName" << "Band";
        QTest::newRow("accent first") << filler + TagBytes("\xe9t\xe9", "\xc9" "cole") << "No SongName" << "No Artist";
        QTest::newRow("ISO-8859-1") << filler + TagBytes("Caf\xe9", "Mot\xf6rhead\t ") << QString::fromUtf8("Café")
                                    << QString::fromUtf8("Motörhead\t");
    }

    void tagsGiveSongNameAndArtist()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        TestSupport::WriteFile(dir.filePath("song.mp3"), contents);
        // Blanks around the stored path do not stop the file being found.
        Songs = {Song{"song.mp3", "  " + dir.filePath("song.mp3") + " ", 0, "Unknown", "song.mp3"}};
        Functions::TagSongs(Songs, 0, 1);
        QTEST(Songs.at(0).SongName, "songName");
        QTEST(Songs.at(0).Artist, "artist");
    }

    void missingFilesFallBackAndEmptyCataloguesAreLeftAlone()
    {
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.filePath("b.mp3"), "Two", "Second");
        Songs = {Song{"a.mp3", dir.filePath("a.mp3"), 0, "Old", "Old"},
                 Song{"b.mp3", dir.filePath("b.mp3"), 0, "Old", "Old"}};
        Functions::TagSongs(Songs, 1, 0);
        QCOMPARE(Songs.at(1).Artist, QStringLiteral("Old"));
        Functions::TagSongs(Songs, 1, 2);
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("No Artist"));
        QCOMPARE(Songs.at(1).SongName, QStringLiteral("Two"));
        QVERIFY(!QFileInfo::exists(dir.filePath("a.mp3")));
    }
};

QTEST_MAIN(TagReadingTest)
#include "tag_reading_test.moc"
