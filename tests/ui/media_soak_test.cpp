// The real media component under a few hundred rapid skips over good, cut, corrupt,
// empty and missing MP3s: nothing crashes and no file descriptor is left behind.
#include "core/state/globals.h"
#include "platform/media_player.h"
#include "support/catalogue.h"
#include "support/pipe.h"
#include "support/test_app.h"
#include "support/tone_mp3.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int Skips = 300;
// GStreamer may still start a thread or open a pipe lazily after the warm-up.
constexpr int DescriptorSlack = 6;

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class MediaSoakTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList good_, bad_;
    std::unique_ptr<TestSupport::Pipe> pipe_;

private slots:
    void initTestCase()
    {
        if (!TestSupport::LameAvailable())
            QSKIP("lame is not installed");
        for (int i = 0; i < 4; ++i) {
            good_ << dir_.filePath(QStringLiteral("tone%1.mp3").arg(i));
            QVERIFY(TestSupport::MakeToneMp3(good_.last(), 0.8 + 0.3 * i, "Tone", QStringLiteral("Tone %1").arg(i)));
        }
        QFile first(good_.first());
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray mp3 = first.readAll();
        QByteArray noise(6000, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        const std::pair<const char *, QByteArray> damaged[] = {
            {"empty.mp3", QByteArray()},
            {"letters.mp3", QByteArray(4000, 'Z')},
            {"noise.mp3", noise},
            {"header-only.mp3", mp3.left(4)},
            {"cut.mp3", mp3.left(mp3.size() / 3)},
            {"tag-only.mp3", mp3.right(128)},
        };
        for (const auto &[name, bytes] : damaged) {
            bad_ << dir_.filePath(QString::fromLatin1(name));
            QVERIFY(write(bad_.last(), bytes));
        }
        bad_ << dir_.filePath("missing.mp3") << dir_.path();
        pipe_ = std::make_unique<TestSupport::Pipe>(dir_.filePath("pipe.mp3"));
        bad_ << dir_.filePath("pipe.mp3");
    }

    void cleanupTestCase()
    {
        if (pipe_)
            QVERIFY2(!pipe_->blockedAReader(), "opening a pipe waited for a writer");
    }

    void rapidSkipsNeitherCrashNorLeakDescriptors()
    {
        TestSupport::AppDir appDir;
        Songs.clear();
        SortBy = QStringLiteral("TAS");
        Main main;
        MediaPlayer &player = *main.MediaPlayer1;
        TestSupport::SetCatalogue({{"Tone", "0", good_.at(0)}, {"Tone", "1", good_.at(1)},
                                         {"Tone", "2", good_.at(2)}, {"Tone", "3", good_.at(3)}});
        main.chk_shuffle->setChecked(false);

        // Warm-up: the first file played makes GStreamer's threads, pipes and plugins.
        for (int i = 0; i < 3; ++i)
            main.cmd_next->click();
        // The file already open, opened again, loads again from the start.
        player.Open(good_.at(3));
        QTRY_COMPARE_WITH_TIMEOUT(player.ReadyState(), 4, 5000);
        QTest::qWait(1000);
        player.Open(good_.at(3));
        QTRY_COMPARE_WITH_TIMEOUT(player.ReadyState(), 4, 5000);
        QVERIFY2(player.CurrentPosition() < 0.5, qPrintable(QString::number(player.CurrentPosition())));
        QTest::qWait(300);
        const int before = openDescriptors();

        QElapsedTimer clock;
        qint64 rapidMs = 0;
        int nexts = 0;
        for (int skip = 0; skip < Skips; ++skip) {
            clock.start();
            if (skip % 10 == 0) {
                // Through the transport, right after a bad file: the next song loads.
                main.cmd_next->click();
                ++nexts;
                QVERIFY2(player.ReadyState() == 4, qPrintable(player.FileName()));
            } else {
                // A skip faster than loading, straight to the component, good and bad files alike.
                const QStringList &files = skip % 2 ? bad_ : good_;
                player.Open(files.at(skip % files.size()));
                QTest::qWait(skip % 3 * 10);
                rapidMs += clock.elapsed();
            }
        }

        // The player still plays a good file, and the descriptors are back.
        player.Open(good_.at(3));
        QTRY_COMPARE_WITH_TIMEOUT(player.ReadyState(), 4, 5000);
        QTest::qWait(500);
        const int after = openDescriptors();
        qInfo("%d skips over %lld files, %d of them through Next; the others took %lld ms; open descriptors %d "
              "after the warm-up, %d after",
              Skips, static_cast<long long>(good_.size() + bad_.size()), nexts, rapidMs, before, after);
        QVERIFY2(after <= before + DescriptorSlack, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    }
};

QTEST_MAIN(MediaSoakTest)
#include "media_soak_test.moc"
