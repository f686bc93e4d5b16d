// SPDX-License-Identifier: GPL-3.0-or-later
// The model without any window: catalogue, queue, pointers, settings and options, each change announced once.
#include "core/state/model.h"

#include <QtTest>

namespace {
// Hears every signal of the model's objects, by name, in order.
class Heard : public QObject {
    Q_OBJECT
public:
    QStringList names;
    explicit Heard(Model &m)
    {
        for (QObject *object : std::initializer_list<QObject *>{&m.catalogue, &m.pointers, &m.queue, &m.settings, &m.options, &m.screen}) {
            const QMetaObject *type = object->metaObject();
            for (int i = type->methodOffset(); i < type->methodCount(); ++i) {
                const QMetaMethod signal = type->method(i);
                if (signal.methodType() == QMetaMethod::Signal)
                    connect(object, signal, this, metaObject()->method(metaObject()->indexOfMethod("hear()")));
            }
        }
    }
    QStringList take() { return std::exchange(names, {}); }
    Q_INVOKABLE void hear() { names << QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()); }
};

} // namespace

class ModelTest : public QObject {
    Q_OBJECT
private slots:
    void everyChangeIsAnnouncedOnceAndNoChangeNeverAndWorkEndsInIdle()
    {
        Model m;
        Heard heard(m);
        m.catalogue.Clear();
        QCOMPARE(heard.take(), QStringList());
        {
            Catalogue::Edit edit(m.catalogue);
            for (int i = 0; i < 3; ++i)
                edit.Table().Append().LongName = QString::number(i);
        }
        { Catalogue::Edit untouched(m.catalogue); }
        QCOMPARE(heard.take(), QStringList{"changed"});

        m.pointers.SetSelectedSong({"1", 1});
        m.pointers.SetSelectedSong({"1", 1});
        m.pointers.SetCurrentSong(m.pointers.CurrentSong());
        m.pointers.SetPreviousSong({"0", 0});
        QCOMPARE(heard.take(), (QStringList{"selectedSongChanged", "previousSongChanged"}));

        QVERIFY(m.queue.Enqueue({"0", 0}, "A - a"));
        QVERIFY(m.queue.Enqueue({"1", 1}, "B - b"));
        m.queue.Swap(0);
        m.queue.Remove(5);
        m.queue.Remove(0);
        m.queue.Remove(0); // the last entry leaves an empty queue
        m.queue.Empty();
        QCOMPARE(heard.take(), (QStringList{"appended", "appended", "swapped", "removed", "cleared"}));

        m.settings.SetSortBy(SortMode::TreeArtistSong);
        m.settings.SetSortBy(SortMode::ListFileName);
        m.settings.SetSlotName(0, "General");
        m.settings.SetSlotName(5, "Last");
        m.options.SetVolume(-150);
        m.options.SetVolume(-100);
        m.options.SetShuffle(false);
        QCOMPARE(heard.take(), (QStringList{"sortByChanged", "slotNameChanged", "volumeChanged"}));
        QCOMPARE(m.options.Volume(), PlayerOptions::QuietestVolume);

        m.catalogue.Clear();
        QCOMPARE(heard.take(), QStringList{"changed"});
        QVERIFY(m.catalogue.Songs().size() == 1 && m.catalogue.Songs()[0].LongName.isEmpty() && !m.catalogue.IsSong(0));

        // Work under way, nested or not, ends in one idle.
        {
            ProgressReport outer(m.screen, "Adding Files", "0", "0");
            { ProgressReport inner(m.screen, "Tagging", "0", "9"); }
            QVERIFY(m.screen.Busy() && m.screen.Reporting());
            { Screen::Work wait(m.screen); }
        }
        QVERIFY(!m.screen.Busy() && !m.screen.Reporting());
        QCOMPARE(heard.take(), QStringList{"idle"});
    }
};

QTEST_GUILESS_MAIN(ModelTest)
#include "model_test.moc"
