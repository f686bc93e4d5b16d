// The model without any window: catalogue, queue, pointers, settings and options, each change announced once.
#include "core/state/model.h"

#include <QtTest>

namespace {
// Counts every notification of the model's objects by name.
struct Heard {
    QStringList names;
    explicit Heard(Model &m)
    {
        const auto hear = [this](const char *name) { return [this, name] { names << name; }; };
        QObject::connect(&m.catalogue, &Catalogue::changed, hear("catalogue"));
        QObject::connect(&m.pointers, &SongPointers::currentSongChanged, hear("current"));
        QObject::connect(&m.pointers, &SongPointers::previousSongChanged, hear("previous"));
        QObject::connect(&m.pointers, &SongPointers::selectedSongChanged, hear("selected"));
        QObject::connect(&m.queue, &SongQueue::appended, hear("appended"));
        QObject::connect(&m.queue, &SongQueue::removed, hear("removed"));
        QObject::connect(&m.queue, &SongQueue::swapped, hear("swapped"));
        QObject::connect(&m.queue, &SongQueue::cleared, hear("cleared"));
        QObject::connect(&m.settings, &Settings::sortByChanged, hear("sortBy"));
        QObject::connect(&m.settings, &Settings::slotNameChanged, hear("slotName"));
        QObject::connect(&m.options, &PlayerOptions::volumeChanged, hear("volume"));
        QObject::connect(&m.options, &PlayerOptions::shuffleChanged, hear("shuffle"));
        QObject::connect(&m.screen, &Screen::Surface::idle, hear("idle"));
    }
    QStringList take() { return std::exchange(names, {}); }
};

struct CountedProgress : Screen::Progress {
    QStringList calls;
    void Show(const QString &activity, const QString &, const QString &) override { calls << "show " + activity; }
    void SetCounts(const QString &, const QString &) override {}
    void Unload() override { calls << "unload"; }
};
} // namespace

class ModelTest : public QObject {
    Q_OBJECT
private slots:
    void everyChangeIsAnnouncedOnceAndNoChangeNever()
    {
        Model m;
        Heard heard(m);
        m.catalogue.Clear();
        QCOMPARE(heard.take(), QStringList());
        {
            Catalogue::Edit edit(m.catalogue);
            for (int i = 0; i < 3; ++i)
                AppendSong(edit.Songs(), edit.LastSongIndex(), edit.SongCount()).LongName = QString::number(i);
        }
        { Catalogue::Edit untouched(m.catalogue); }
        QCOMPARE(heard.take(), QStringList{"catalogue"});
        QCOMPARE(m.catalogue.SongCount(), 3);
        QCOMPARE(m.catalogue.LastSongIndex(), 2);
        QCOMPARE(m.catalogue.FindSong({"2", 0}), 2);
        QCOMPARE(m.catalogue.FindSong({"9", 0}), -1);
        QVERIFY(m.catalogue.IsSong(2) && !m.catalogue.IsSong(3) && !m.catalogue.IsSong(-1));

        m.pointers.SetSelectedSong({"1", 1});
        m.pointers.SetSelectedSong({"1", 1});
        m.pointers.SetCurrentSong(m.pointers.CurrentSong());
        m.pointers.SetPreviousSong({"0", 0});
        QCOMPARE(heard.take(), (QStringList{"selected", "previous"}));

        QVERIFY(m.queue.Enqueue({"0", 0}, "A - a"));
        QVERIFY(m.queue.Enqueue({"1", 1}, "B - b"));
        m.queue.Swap(0);
        m.queue.Remove(5);
        m.queue.Remove(0);
        m.queue.Remove(0); // the last entry leaves an empty queue
        m.queue.Empty();
        QCOMPARE(heard.take(), (QStringList{"appended", "appended", "swapped", "removed", "cleared"}));
        QCOMPARE(m.queue.Qlist().at(0).LongName, QueueSentinel);
        QCOMPARE(m.queue.Qlist().at(0).Index, EmptiedSentinelIndex);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m.queue.Swap(0));

        m.settings.SetSortBy(SortMode::TreeArtistSong);
        m.settings.SetSortBy(SortMode::ListFileName);
        m.settings.SetSlotName(0, "General");
        m.settings.SetSlotName(5, "Last");
        m.options.SetVolume(-150);
        m.options.SetVolume(-100);
        m.options.SetShuffle(false);
        QCOMPARE(heard.take(), (QStringList{"sortBy", "slotName", "volume"}));
        QCOMPARE(m.options.Volume(), PlayerOptions::QuietestVolume);

        m.catalogue.Clear();
        QCOMPARE(heard.take(), QStringList{"catalogue"});
        QCOMPARE(m.catalogue.SongCount(), 0);
    }

    void onlyTheOutermostWorkShowsTheProgressWindowAndEndsInIdle()
    {
        Model m;
        Heard heard(m);
        CountedProgress progress;
        m.screen.Attach(&progress);
        {
            ProgressReport outer(m.screen, "Adding Files", "0", "0");
            { ProgressReport inner(m.screen, "Tagging", "0", "9"); }
            QVERIFY(m.screen.Busy() && m.screen.Reporting());
            { Screen::Work wait(m.screen); }
        }
        QVERIFY(!m.screen.Busy() && !m.screen.Reporting());
        QCOMPARE(progress.calls, (QStringList{"show Adding Files", "show Tagging", "unload"}));
        QCOMPARE(heard.take(), QStringList{"idle"});
    }
};

QTEST_GUILESS_MAIN(ModelTest)
#include "model_test.moc"
