// The tagging pass, run on several threads, against one song read after another.
#include "core/catalogue/tags.h"
#include "core/state/number_text.h"
#include "core/state/screen.h"
#include "core/state/trim_spaces.h"
#include "support/song_files.h"

#include <QTemporaryDir>
#include <QtTest>

using TestSupport::TagBytes;

namespace {
constexpr int Last = 999; // enough songs for every worker to take several turns

// The progress window's calls, and whether each came from the test's own thread.
struct RecordedProgress : Screen::Progress {
    RecordedProgress() { Screen::AttachProgress(this); }
    ~RecordedProgress() override { Screen::AttachProgress(nullptr); }
    void Show(const QString &a, const QString &c, const QString &t) override { record({"show", a, c, t}); }
    void SetCounts(const QString &current, const QString &total) override { record({"counts", current, total}); }
    void Unload() override { record({"unload"}); }
    void record(const QStringList &call)
    {
        calls.append(call);
        onCallingThread &= QThread::currentThread() == qApp->thread();
    }
    QList<QStringList> calls;
    bool onCallingThread = true;
};

QStringList fields(const Song &s) { return {s.ShortName, s.LongName, QString::number(s.Id), s.Artist, s.SongName}; }
} // namespace

class ParallelTagsTest : public QObject {
    Q_OBJECT
private slots:
    void sameRecordsAsOneSongAtATimeWithProgressInIndexOrder()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        TestSupport::MakePipe(root + "/pipe.mp3");
        QDir(root).mkdir("folder.mp3");
        TestSupport::WriteFile(root + "/locked.mp3", QByteArray(300, 'x') + TagBytes("Locked", "Away"));
        QFile::setPermissions(root + "/locked.mp3", QFileDevice::Permissions()); // root still reads it
        std::vector<Song> songs;
        for (int i = 0; i <= Last; ++i) {
            const QString path = root + QStringLiteral("/%1.mp3").arg(i);
            const QByteArray title = "Song " + QByteArray::number(i), artist = "Artist " + QByteArray::number(i % 13);
            const QByteArray contents[] = {
                QByteArray(200, 'x') + TagBytes(title, artist), "", TagBytes(title, artist).left(100),
                TagBytes("\xe9t\xe9", QByteArray("A\0B", 3)), TagBytes(" " + title, artist + "  ")};
            const int kind = i % 9; // 5: a missing file
            if (kind < 5)
                TestSupport::WriteFile(path, contents[kind]);
            const QStringList elsewhere{"/pipe.mp3", "/folder.mp3", "/locked.mp3"};
            const QString longName = kind == 4 ? " " + path + " " : kind < 6 ? path : root + elsewhere.at(kind - 6);
            songs.push_back({QString::number(i), longName, int16_t(i), "Old", "Old"});
        }
        std::vector<Song> serial = songs; // the pass as it was, one song after another
        for (Song &song : serial) {
            const TagRecord tag = Functions::ReadTag(TrimSpaces(song.LongName));
            song.Artist = Functions::CleanTagText(QString::fromLatin1(tag.Artist.data(), tag.Artist.size()));
            song.SongName = Functions::CleanTagText(QString::fromLatin1(tag.Title.data(), tag.Title.size()));
        }

        for (int round = 0; round < 3; ++round) {
            std::vector<Song> parallel = songs;
            RecordedProgress progress;
            Functions::TagPass pass(parallel, Last, Last + 1);
            // While the files are read the songs stay as they were, for the tree rebuilt meanwhile.
            for (const Song &song : parallel)
                QCOMPARE(song.Artist + song.SongName, QStringLiteral("OldOld"));
            pass.Finish(parallel);
            for (int i = 0; i <= Last; ++i)
                QCOMPARE(fields(parallel.at(i)), fields(serial.at(i)));
            const QList<QStringList> &calls = progress.calls;
            QVERIFY(progress.onCallingThread);
            QCOMPARE(calls.first(), (QStringList{"show", "Tagging", "0", GroupedNumber(Last)}));
            QCOMPARE(calls.mid(calls.size() - 2),
                     (QList<QStringList>{{"counts", QString::number(Last), GroupedNumber(Last)}, {"unload"}}));
            for (qsizetype c = 2; c < calls.size() - 1; ++c)
                QVERIFY(calls.at(c - 1).at(1).toInt() < calls.at(c).at(1).toInt());
        }
    }
};

QTEST_GUILESS_MAIN(ParallelTagsTest)
#include "parallel_tags_test.moc"
