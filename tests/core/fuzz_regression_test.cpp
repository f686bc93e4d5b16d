// Replays the fuzzing seed corpus and every input that ever made a reader fail.
#include "support/fuzz_entries.h"

#include <QtTest>

class FuzzRegressionTest : public QObject {
    Q_OBJECT
private slots:
    void everyKeptInputIsReadAgain()
    {
        Fuzz::Prepare();
        const std::pair<const char *, void (*)(const QByteArray &)> readers[] = {
            {"playlist", Fuzz::Playlist}, {"tag", Fuzz::Tag}, {"settings", Fuzz::Settings}};
        for (const auto &[target, entry] : readers) {
            int inputs = 0;
            for (const char *kind : {"corpus", "regressions"}) {
                QDirIterator it(QStringLiteral(KORVEL_SOURCE_DIR "/tests/fuzz/%1/%2").arg(kind, target), QDir::Files);
                while (it.hasNext()) {
                    QFile file(it.next());
                    QVERIFY(file.open(QIODevice::ReadOnly));
                    entry(file.readAll());
                    ++inputs;
                }
            }
            QVERIFY2(inputs > 0, target);
        }
    }
};

QTEST_GUILESS_MAIN(FuzzRegressionTest)
#include "fuzz_regression_test.moc"
