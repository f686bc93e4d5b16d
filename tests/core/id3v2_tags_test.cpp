// The artist and title the tagging pass gives with the ID3v2 reading on and off.
#include "core/catalogue/tags.h"
#include "support/song_files.h"

#include <QtTest>

namespace {
// `n` in `bytes` big-endian bytes of `bits` bits each (7 for ID3v2's sync-safe sizes).
QByteArray Number(quint32 n, int bytes, int bits = 8)
{
    QByteArray out(bytes, '\0');
    for (int i = bytes - 1; i >= 0; --i, n >>= bits)
        out[i] = static_cast<char>(n & ((1u << bits) - 1));
    return out;
}

// A text frame: version 2.2 has three-letter ids and three-byte sizes, 2.3 plain
// and 2.4 sync-safe four-byte sizes and two flag bytes.
QByteArray Frame(int version, const QByteArray &id, char encoding, const QByteArray &text)
{
    const QByteArray data = encoding + text;
    if (version == 2)
        return id + Number(data.size(), 3) + data;
    return id + Number(data.size(), 4, version == 4 ? 7 : 8) + QByteArray(2, '\0') + data;
}

QByteArray Id3v2(int version, const QByteArray &frames, quint32 size = 0)
{
    return "ID3" + QByteArray(1, char(version)) + QByteArray(2, '\0') + Number(size ? size : frames.size(), 4, 7) + frames;
}

constexpr char Latin1 = 0, Utf16 = 1, Utf8 = 3;

QByteArray Utf16Bom(const QString &text)
{
    return "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

const QByteArray Audio(300, '\x55');
} // namespace

class Id3v2TagsTest : public QObject {
    Q_OBJECT
private slots:
    void artistAndTitle_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: a named pipe stands there
        QTest::addColumn<QStringList>("v1");      // artist and title with the option off
        QTest::addColumn<QStringList>("v2");      // and on
        using TestSupport::TagBytes;
        QTest::newRow("2.2 TP1 TT2, no v1")
            << Id3v2(2, Frame(2, "TP1", Latin1, "Abba") + Frame(2, "TT2", Latin1, "Waterloo")) + Audio
            << QStringList{"No Artist", "No SongName"} << QStringList{"Abba", "Waterloo"};
        QTest::newRow("2.3 UTF-16 with a BOM, v1 of other texts")
            << Id3v2(3, Frame(3, "TPE1", Utf16, Utf16Bom("Ólafur Arnalds")) + Frame(3, "TIT2", Utf16, Utf16Bom("Near Light")))
                   + Audio + TagBytes("Other Title", "Other Artist")
            << QStringList{"Other Artist", "Other Title"} << QStringList{"Ólafur Arnalds", "Near Light"};
        QTest::newRow("2.4 UTF-8 accented first letter, padded")
            << Id3v2(4, Frame(4, "TIT2", Utf8, "La Vie en rose") + Frame(4, "TPE1", Utf8, "Édith Piaf") + QByteArray(50, '\0'))
                   + Audio + TagBytes("La Vie en rose", "\xc9" "dith Piaf")
            << QStringList{"No Artist", "La Vie en rose"} << QStringList{"Édith Piaf", "La Vie en rose"};
        QTest::newRow("2.4 Latin-1 in blanks and NULs, no title, no v1")
            << Id3v2(4, Frame(4, "TPE1", Latin1, QByteArrayLiteral("  \xd8resund \0\0"))) + Audio
            << QStringList{"No Artist", "No SongName"} << QStringList{"Øresund", "No SongName"};
        QTest::newRow("2.4 texts after a 5000-byte picture")
            << Id3v2(4, Frame(4, "APIC", Latin1, QByteArray("image/png\0\3\0", 12) + QByteArray(5000, '\x89'))
                            + Frame(4, "TPE1", Utf8, "Art") + Frame(4, "TIT2", Utf8, "Pic")) + Audio
            << QStringList{"No Artist", "No SongName"} << QStringList{"Art", "Pic"};
        QTest::newRow("v1 only, the whole file") << TagBytes("Song", "Band") << QStringList{"Band", "Song"} << QStringList{"Band", "Song"};
        QTest::newRow("31-letter title, artist from v1")
            << Id3v2(3, Frame(3, "TIT2", Latin1, "Thirty-One Letters In The Title")) + Audio
                   + TagBytes("Thirty-One Letters In The Title", "Band")
            << QStringList{"Band", "Thirty-One Letters In The Titl"} << QStringList{"Band", "Thirty-One Letters In The Title"};
        QTest::newRow("empty TPE1, v1 artist")
            << Id3v2(4, Frame(4, "TPE1", Latin1, "") + Frame(4, "TIT2", Latin1, "Hello")) + Audio + TagBytes("V1 Title", "V1 Artist")
            << QStringList{"V1 Artist", "V1 Title"} << QStringList{"V1 Artist", "Hello"};
        QTest::newRow("v2 title, v1 artist failing the first-byte test")
            << Id3v2(4, Frame(4, "TIT2", Latin1, "Title")) + Audio + TagBytes("Other", "~Band")
            << QStringList{"No Artist", "Other"} << QStringList{"No Artist", "Title"};
        QTest::newRow("200 MiB announced, v1 inside what is there")
            << Id3v2(4, Frame(4, "TPE1", Latin1, "Cut"), 200u << 20) + TagBytes("Kept", "Lost")
            << QStringList{"Lost", "Kept"} << QStringList{"Cut", "Kept"};
        QTest::newRow("pipe") << QByteArray() << QStringList{"No Artist", "No SongName"} << QStringList{"No Artist", "No SongName"};
    }
    void artistAndTitle()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath("song.mp3");
        if (contents.isNull())
            TestSupport::MakePipe(path);
        else
            TestSupport::WriteFile(path, contents);
        QFETCH(QStringList, v1);
        QFETCH(QStringList, v2);
        for (const auto &[reading, expected] : {std::pair(Functions::TagReading::Id3v1, v1), std::pair(Functions::TagReading::Id3v2, v2)}) {
            std::vector<Song> songs{{"song.mp3", " " + path + " ", 0, "Old", "Old"}};
            Functions::TagSongs(songs, 0, 1, reading);
            QCOMPARE((QStringList{songs[0].Artist, songs[0].SongName}), expected);
        }
    }
};

QTEST_GUILESS_MAIN(Id3v2TagsTest)
#include "id3v2_tags_test.moc"
