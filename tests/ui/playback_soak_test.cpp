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
QString brokenInvariant()
{
    const int rows = Window<frm_Q>().list_que->count();
    if (QCount != rows || Qlist.size() != std::size_t(std::max<int>(QCount, 1)))
        return QStringLiteral("QCount %1 but %2 rows and %3 entries").arg(QCount).arg(rows).arg(Qlist.size());
    if (QCount == 0 && Qlist.at(0).LongName != QueueSentinel)
        return QStringLiteral("empty queue without its sentinel");
    if (SongCount < 0 || (SongCount >= 1 && LastSongIndex != SongCount - 1) || Songs.size() < std::size_t(SongCount))
        return QStringLiteral("SongCount %1, LastSongIndex %2, %3 records").arg(SongCount).arg(LastSongIndex).arg(Songs.size());
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

        Songs.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("korvel.transport.warning=false"));
        TestSupport::CapturedMessages messages;
        TestSupport::MainFixture f;
        Main &main = *f.main;
        FakeMediaPlayer &player = *f.player;
        CdDrive = cd.path();
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
            {"next", 12, [&] { main.cmd_next->click(); }},
            {"play", 10, [&] { main.cmd_play->click(); }},
            {"pause", 6, [&] { main.cmd_pause->click(); }},
            {"stop", 5, [&] { main.cmd_stop->click(); }},
            {"seek", 8, [&] { main.Slider1->setSliderPosition(below(main.Slider1->maximum() + 1)); }},
            {"end of media", 8, [&] { emit player.EndOfStream(0); }},
            {"timer", 3, [&] { main.Timer1_Timer(); }},
            {"double click", 20, [&] {
                 if (!main.List1->isHidden()) {
                     main.List1->setCurrentRow(below(main.List1->count()));
                     main.List1_DblClick();
                 } else if (main.TreeView1->Count() > 0) {
                     main.TreeView1->Select(main.TreeView1->NodeAt(1 + below(main.TreeView1->Count())));
                     main.TreeView1_DblClick();
                 }
             }},
            {"queue remove", 6, onQueueRow(queue.cmd_QueRemove)},
            {"queue up", 4, onQueueRow(queue.cmd_QueUp)},
            {"queue down", 4, onQueueRow(queue.cmd_QueDown)},
            {"queue clear", 1, [&] { queue.cmd_QueClear->click(); }},
            {"song Q active", 2, [&] { queue.chk_songque->toggle(); }},
            {"shuffle", 2, [&] { main.chk_shuffle->toggle(); }},
            {"clear", 1, [&] { main.cmd_clear->click(); }},
            {"quick load", 3, [&] { quickLoad.cmd_Load.at(std::size_t(below(frm_QuickLoad::Slots)))->click(); }},
            {"CD", 1, [&] { main.cmd_Cd->click(); }},
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
            const QString failure = brokenInvariant();
            QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("step %1, %2; last commands: %3").arg(step).arg(failure, recent.mid(step - 12).join(", "))));
        }
        QVERIFY(player.opened.size() > 1000);
    }
};

QTEST_MAIN(PlaybackSoakTest)
#include "playback_soak_test.moc"
