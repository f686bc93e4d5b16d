// SPDX-License-Identifier: GPL-3.0-or-later
// The artist and title an addition gives a song from its file's tags, with the ID3v2 reading off and on.
#include "core/catalogue/addition.h"
#include "support/state.h"

#include <QtTest>

namespace {
// `n` as `bytes` big-endian bytes of `bits` bits each (7 in ID3v2's sync-safe sizes).
QByteArray Number(quint32 n, int bytes, int bits = 8)
{
    return bytes == 0 ? QByteArray() : Number(n >> bits, bytes - 1, bits) + char(n & ((1u << bits) - 1));
}

constexpr char Latin1 = 0, Utf16 = 1, Utf8 = 3;

// A tag of version 2.`version` of frames (id, text encoding, text): version 2.2 has
// three-letter ids and three-byte sizes, 2.3 plain and 2.4 sync-safe four-byte sizes
// and two flag bytes.
QByteArray Id3v2(int version, const QList<std::tuple<QByteArray, char, QByteArray>> &frames)
{
    QByteArray body;
    for (const auto &[id, encoding, text] : frames)
        body += id + Number(text.size() + 1, version == 2 ? 3 : 4, version == 4 ? 7 : 8) + QByteArray(version == 2 ? 0 : 2, '\0') + encoding + text;
    return "ID3" + QByteArray(1, char(version)) + QByteArray(2, '\0') + Number(body.size(), 4, 7) + body;
}

QByteArray Utf16Bom(const QString &text) { return QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text); }
} // namespace

class TagsTest : public QObject {
    Q_OBJECT
private slots:
    void artistAndTitle_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: a named pipe stands there; empty: no file
        QTest::addColumn<QStringList>("expected"); // artist and title with the option off, then on
        const auto v1 = [](const QByteArray &title, const QByteArray &artist) { return QByteArray(300, 'U') + TestSupport::TagBytes(title, artist); };
        QTest::newRow("2.2 TP1 TT2, no v1") << Id3v2(2, {{"TP1", Latin1, "Abba"}, {"TT2", Latin1, "Waterloo"}})
                                            << QStringList{"No Artist", "No SongName", "Abba", "Waterloo"};
        QTest::newRow("2.3 UTF-16 with a BOM, v1 of other texts")
            << Id3v2(3, {{"TPE1", Utf16, Utf16Bom("Ólafur Arnalds")}, {"TIT2", Utf16, Utf16Bom("Near Light")}}) + v1("Title", "Artist")
            << QStringList{"Artist", "Title", "Ólafur Arnalds", "Near Light"};
        QTest::newRow("2.4 UTF-8 accented first letter")
            << Id3v2(4, {{"TIT2", Utf8, "La Vie en rose"}, {"TPE1", Utf8, "Édith Piaf"}}) + v1("La Vie en rose", "\xc9" "dith Piaf")
            << QStringList{"No Artist", "La Vie en rose", "Édith Piaf", "La Vie en rose"};
        QTest::newRow("2.4 Latin-1 in blanks and NULs, no title, no v1")
            << Id3v2(4, {{"TPE1", Latin1, QByteArrayLiteral("  \xd8resund \0\0")}}) << QStringList{"No Artist", "No SongName", "Øresund", "No SongName"};
        QTest::newRow("2.4 texts after a 5000-byte picture")
            << Id3v2(4, {{"APIC", Latin1, QByteArray("image/png\0\3\0", 12) + QByteArray(5000, '\x89')}, {"TPE1", Utf8, "Art"}, {"TIT2", Utf8, "Pic"}})
            << QStringList{"No Artist", "No SongName", "Art", "Pic"};
        QTest::newRow("v1 only, the whole file") << TestSupport::TagBytes("Song", "Band") << QStringList{"Band", "Song", "Band", "Song"};
        QTest::newRow("31-letter title, empty TPE1, v1 artist")
            << Id3v2(3, {{"TPE1", Latin1, ""}, {"TIT2", Latin1, "Thirty-One Letters In The Title"}}) + v1("Thirty-One Letters In The Title", "Band")
            << QStringList{"Band", "Thirty-One Letters In The Titl", "Band", "Thirty-One Letters In The Title"};
        // Files without an ID3v2 tag give their ID3v1 texts either way.
        const auto both = [](const QString &artist, const QString &title) { return QStringList{artist, title, artist, title}; };
        const QByteArray filler(500, 'x');
        QTest::newRow("pipe") << QByteArray() << both("No Artist", "No SongName");
        QTest::newRow("missing file") << QByteArray("") << both("No Artist", "No SongName");
        QTest::newRow("exactly 128 bytes") << TestSupport::TagBytes("Abba", "The Band" + QByteArray(22, ' ')) << both("The Band", "Abba");
        QTest::newRow("shorter than 128") << TestSupport::TagBytes("Abba", "Band").left(127) << both("No Artist", "No SongName");
        QTest::newRow("lower-case header") << filler + TestSupport::TagBytes("Abba", "Band", "tag") << both("No Artist", "No SongName");
        QTest::newRow("cut at NUL") << filler + TestSupport::TagBytes(QByteArray("AB\0CD", 5), "  X") << both("No Artist", "AB");
        QTest::newRow("first bytes 0 and z") << filler + TestSupport::TagBytes("0 to 9", "zz top") << both("zz top", "0 to 9");
        QTest::newRow("first bytes / and {") << filler + TestSupport::TagBytes("/slash", "{brace}") << both("No Artist", "No SongName");
        QTest::newRow("ISO-8859-1, tabs kept") << filler + TestSupport::TagBytes("Caf\xe9", "Mot\xf6rhead\t ") << both("Motörhead\t", "Café");
    }
    void artistAndTitle()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath("song.mp3");
        if (contents.isNull())
            TestSupport::MakePipe(path);
        else if (!contents.isEmpty())
            TestSupport::WriteFile(path, contents);
        QStringList texts;
        Model model;
        for (const auto reading : {Functions::TagReading::Id3v1, Functions::TagReading::Id3v2}) {
            // A song loaded from a playlist, blanks around its path, tagged again by the next addition.
            TestSupport::SetSongs(model, {{"song.mp3", " " + path + " ", 0, "Old", "Old"}});
            model.settings.SetTags(reading);
            TestSupport::RecordedProgress progress(model.screen);
            AddDirectory(model, dir.filePath("nowhere"));
            // A single song is tagged, its last index 0 shown as no text, and not sorted.
            QCOMPARE(progress.calls, (QStringList{"show Adding Files 0 0", "show Tagging 0 ", "unload"}));
            texts << model.catalogue.SongAt(0).Artist << model.catalogue.SongAt(0).SongName;
        }
        QTEST(texts, "expected");
        // Reading never makes a file.
        QCOMPARE(QFileInfo::exists(path), !contents.isEmpty() || contents.isNull());
    }
};

QTEST_GUILESS_MAIN(TagsTest)
#include "tags_test.moc"
