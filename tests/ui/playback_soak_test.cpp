// Twenty thousand random commands over a changing catalogue, the queue and counts checked after each.
#include "support/ui/main_fixture.h"

#include <QtTest>
#include <random>

namespace {
constexpr int Commands = 20000;

QByteArray playlist(int songs, char letter)
{
    QByteArray text;
    for (int i = 0; i < songs; ++i)
        text += QStringLiteral("\"Artist %1\",\"Song %2\",\"/music/%3%2.mp3\",\"%3%2.mp3\"\r\n").arg(QChar(letter + i % 4)).arg(i).arg(letter).toUtf8();
    return text;
}

// What must hold between any two commands; empty when it does.
QString brokenInvariant(const Model &model)
{
    const int rows = Window<frm_Q>().list_que->count();
    const int16_t queued = model.queue.QCount();
    const std::size_t entries = model.queue.Qlist().size();
    if (queued != rows || entries != std::size_t(std::max<int>(queued, 1)))
        return QStringLiteral("QCount %1 but %2 rows and %3 entries").arg(queued).arg(rows).arg(entries);
    if (queued == 0 && model.queue.Qlist().at(0).LongName != QueueSentinel)
        return QStringLiteral("empty queue without its sentinel");
    const Catalogue &c = model.catalogue;
    if (c.SongCount() < 0 || (c.SongCount() >= 1 && c.LastSongIndex() != c.SongCount() - 1) ||
        c.Songs().size() < std::size_t(c.SongCount()))
        return QStringLiteral("SongCount %1, LastSongIndex %2, %3 records").arg(c.SongCount()).arg(c.LastSongIndex()).arg(c.Songs().size());
    return {};
}

struct Command {
    const char *name;
    int weight;
    std::function<void()> run;
};
} // namespace

class PlaybackSoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomCommandsKeepQueueAndCatalogueInStep()
    {
        TestSupport::AppDir dir;
        // Slots of different sizes, an empty one, one cut short and one missing: each
        // load replaces the catalogue under the queue and the song pointers.
        for (auto [slot, contents] : {std::pair{"0", playlist(25, 'a')}, {"1", playlist(1, 'k')}, {"2", QByteArray()},
                                      {"3", playlist(40, 'r') + "\"cut\",\"short\""}})
            dir.write(QStringLiteral("playlist%1.txt").arg(slot), contents);
        // A CD whose songs the CD button adds (scanned, tagged and sorted in).
        QTemporaryDir cd;
        for (int i = 0; i < 5; ++i)
            TestSupport::WriteSong(cd.filePath(QStringLiteral("t%1.mp3").arg(i)), "Track " + QByteArray::number(i), "Disc");
        TestSupport::WriteFile(cd.filePath("empty.mp3"), "");
        Platform::SetDriveRoots({QStringLiteral("/"), cd.path()});

        QLoggingCategory::setFilterRules(QStringLiteral("korvel.transport.warning=false"));
        TestSupport::MainFixture f;
        FakeMediaPlayer &player = *f.player;
        f.model().settings.SetCdDrive(cd.path());
        QSlider *slider = f.control<QSlider>("Slider1");
        Kit::KeyedTree *tree = f.tree();
        QListWidget *list = f.list();
        // The window's double click, which acts on the selected node or row wherever it lands.
        const auto doubleClick = [](QAbstractItemView *view) {
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, view->viewport()->height() - 3));
        };
        // Loaded at once, also before the first Open: the play command never waits.
        player.setReadyState(4);
        frm_Q &queue = Window<frm_Q>();
        frm_Options &options = Window<frm_Options>();
        frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
        queue.chk_songque->setChecked(true);

        std::mt19937 random(20240607);
        const auto below = [&random](int n) { return n > 0 ? std::uniform_int_distribution<int>(0, n - 1)(random) : 0; };
        // A queue button pressed with a random row, or none, selected.
        const auto onQueueRow = [&](QPushButton *button) {
            return [&, button] {
                queue.list_que->setCurrentRow(below(queue.list_que->count() + 1) - 1);
                button->click();
            };
        };
        const std::vector<Command> commands{
            {"next", 12, [&] { f.click("cmd_next"); }},
            {"play", 10, [&] { f.click("cmd_play"); }},
            {"pause", 6, [&] { f.click("cmd_pause"); }},
            {"stop", 5, [&] { f.click("cmd_stop"); }},
            {"seek", 8, [&] { slider->setSliderPosition(below(slider->maximum() + 1)); }},
            {"end of media", 8, [&] { emit player.EndOfStream(0); }},
            {"double click", 20, [&] {
                 if (!list->isHidden()) {
                     list->setCurrentRow(below(list->count()));
                     doubleClick(list);
                 } else if (tree->Count() > 0) {
                     tree->Select(tree->NodeAt(1 + below(tree->Count())));
                     doubleClick(tree);
                 }
             }},
            {"queue remove", 6, onQueueRow(queue.cmd_QueRemove)},
            {"queue up", 4, onQueueRow(queue.cmd_QueUp)},
            {"queue down", 4, onQueueRow(queue.cmd_QueDown)},
            {"queue clear", 1, [&] { queue.cmd_QueClear->click(); }},
            {"song Q active", 2, [&] { queue.chk_songque->toggle(); }},
            {"shuffle", 2, [&] { f.control<QCheckBox>("chk_shuffle")->toggle(); }},
            {"clear", 1, [&] { f.click("cmd_clear"); }},
            {"quick load", 3, [&] { quickLoad.cmd_Load.at(std::size_t(below(frm_QuickLoad::Slots)))->click(); }},
            {"CD", 1, [&] { f.click("cmd_Cd"); }},
            {"view mode", 1, [&] { (below(2) ? options.Opt_Sort_LAS : options.Opt_Sort_TAS)->click(); }},
        };
        std::discrete_distribution<int> pick(commands.size(), 0, double(commands.size()),
                                             [&](double x) { return commands.at(std::size_t(x)).weight; });

        QStringList recent;
        for (int step = 1; step <= Commands; ++step) {
            const Command &command = commands.at(std::size_t(pick(random)));
            recent << command.name;
            command.run();
            // Back in the event loop, as after any action of the user.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QString failure = brokenInvariant(f.model());
            QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("step %1, %2; last commands: %3").arg(step).arg(failure, recent.mid(step - 12).join(", "))));
        }
        QVERIFY(player.opened.size() > 1000);
    }
};

QTEST_MAIN(PlaybackSoakTest)
#include "playback_soak_test.moc"
