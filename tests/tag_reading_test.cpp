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
        QTest::newRow("exactly 128 bytes") << TagBytes("Abba", "The Band" + QByteArray(22, ' '))
                                           << "Abba" << "The Band";
        QTest::newRow("shorter than 128") << TagBytes("Abba", "Band").left(127) << "No SongName" << "No Artist";
        QTest::newRow("lower-case header") << filler + TagBytes("Abba", "Band", "tag") << "No SongName"
                                           << "No Artist";
        QTest::newRow("cut at the first NUL") << filler + TagBytes(QByteArray("AB\0CD", 5), "  X  ") << "AB"
                                              << "No Artist";
        QTest::newRow("digits first") << filler + TagBytes("1999", "Prince") << "1999" << "Prince";
        QTest::newRow("space first") << filler + TagBytes(" Leading", "Band") << "No SongName" << "Band";
        QTest::newRow("parenthesis first") << filler + TagBytes("(Live)", "Band") << "No SongName" << "Band";
        QTest::newRow("accent first") << filler + TagBytes("\xe9t\xe9", "\xc9" "cole") << "No SongName"
                                      << "No Artist";
        QTest::newRow("ISO-8859-1 text") << filler + TagBytes("Caf\xe9", "Mot\xf6rhead") << QString::fromUtf8("Café")
                                         << QString::fromUtf8("Motörhead");
        QTest::newRow("no tag") << filler << "No SongName" << "No Artist";
    }

    void tagsGiveSongNameAndArtist()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath("song.mp3");
        TestSupport::WriteFile(path, contents);
        // Blanks around the stored path do not stop the file being found.
        Songs = {Song{"song.mp3", "  " + path + " ", 0, "Unknown", "song.mp3"}};
        Functions::TagSongs(Songs, 0, 1);
        QTEST(Songs.at(0).SongName, "songName");
        QTEST(Songs.at(0).Artist, "artist");
    }

    void missingFileFallsBackAndIsNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("gone.mp3");
        const TagRecord tag = Functions::ReadTag(path);
        QCOMPARE(QByteArray(tag.Header.data(), 3), QByteArray(3, '\0'));
        QCOMPARE(Functions::CleanTagText(QString::fromLatin1(tag.Title.data(), 30)), QStringLiteral("No SongName"));
        QVERIFY(!QFileInfo::exists(path));
    }

    void wholeCatalogueIsRetaggedAndEmptyOneUntouched()
    {
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.filePath("a.mp3"), "One", "First");
        TestSupport::WriteSong(dir.filePath("b.mp3"), "Two", "Second");
        Songs = {Song{"a.mp3", dir.filePath("a.mp3"), 0, "Old", "Old"},
                 Song{"b.mp3", dir.filePath("b.mp3"), 0, "Old", "Old"}};
        Functions::TagSongs(Songs, 0, 0);
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("Old"));
        Functions::TagSongs(Songs, 1, 2);
        QCOMPARE(Songs.at(1).Artist, QStringLiteral("Second"));
        QCOMPARE(Songs.at(0).SongName, QStringLiteral("One"));
    }

    void cleaningTrimsOnlySpaces()
    {
        QCOMPARE(Functions::CleanTagText(QStringLiteral("\tTab \t ")), QStringLiteral("\tTab \t"));
        QCOMPARE(Functions::CleanTagText(QStringLiteral("   ")), QString());
    }
};

QTEST_MAIN(TagReadingTest)
#include "tag_reading_test.moc"
