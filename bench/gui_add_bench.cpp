// SPDX-License-Identifier: GPL-3.0-or-later
// "Add Directorys" as a user clicks it on an X display, with the 32,767-song library:
// the slowest of five warm additions and the median of three from the disk against
// the bare walk measured beside them, and the memory an addition leaves against a
// start-up from a playlist of the same songs. KORVEL_BENCH_TRACE=1 prints each
// run's steps with their times on stderr.
#include "bench_library.h"
#include "bench_util.h"
#include "core/state/model.h"
#include "core/storage/playlist.h"
#include "platform/app_dir.h"
#include "ui/kit/directory_list_box.h"
#include "ui/main/main_window.h"
#include "ui/main/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {
constexpr int Runs = 5;
constexpr int ColdRuns = 3;
constexpr int MemoryRuns = 3;

bool Tracing() { return qEnvironmentVariableIntValue("KORVEL_BENCH_TRACE") != 0; }

long ResidentKiB() { return Bench::MemoryKiB("VmRSS:"); }

QWidget *TopLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name))
            return widget;
    qFatal("no window %s", name);
}

void Click(QWidget *window, const char *button)
{
    QAbstractButton *found = window->findChild<QAbstractButton *>(QLatin1String(button));
    if (!found)
        qFatal("no button %s", button);
    found->click();
}

// Opens the add-songs window from the main window, picks `library` and adds it; returns
// once the windows have drawn what the addition left.
void AddThroughTheWindows(Main &main, const QString &library)
{
    Click(&main, "cmd_addmp3");
    QWidget *addSongs = TopLevel("frm_addsongs");
    addSongs->findChild<Kit::DirectoryListBox *>(QStringLiteral("DirectoryListBox"))->SetPath(library);
    Click(addSongs, "cmd_recursive");
    QCoreApplication::processEvents();
}

// What this thread did between two moments: wall and processor time, switches away
// from it because it waited or because another thread took the processor, and pages
// it touched for the first time.
struct Usage {
    double wallMs = 0, cpuMs = 0;
    long waited = 0, preempted = 0, faults = 0;

    static Usage Now(const QElapsedTimer &clock)
    {
        rusage use{};
        ::getrusage(RUSAGE_THREAD, &use);
        const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
        return {clock.nsecsElapsed() / 1e6, ms(use.ru_utime) + ms(use.ru_stime), use.ru_nvcsw, use.ru_nivcsw, use.ru_minflt};
    }
    Usage operator-(const Usage &before) const
    {
        return {wallMs - before.wallMs, cpuMs - before.cpuMs, waited - before.waited, preempted - before.preempted,
                faults - before.faults};
    }
    Usage &operator+=(const Usage &more)
    {
        *this = {wallMs + more.wallMs, cpuMs + more.cpuMs, waited + more.waited, preempted + more.preempted,
                 faults + more.faults};
        return *this;
    }
    QString Text() const
    {
        return QStringLiteral("%1 ms (processor %2 ms, %3 waits, %4 preemptions, %5 page faults)")
            .arg(wallMs, 0, 'f', 1)
            .arg(cpuMs, 0, 'f', 1)
            .arg(waited)
            .arg(preempted)
            .arg(faults);
    }
};

// The steps of one addition as the progress window and the views see them: what the
// window's thread did between them and inside the window's and views' calls, and the
// memory held after each.
class Trace : public Screen::Progress, public Screen::Views {
public:
    explicit Trace(Screen::Surface &screen)
        : screen_(screen), progress_(screen.Attach(static_cast<Screen::Progress *>(this))),
          views_(screen.Attach(static_cast<Screen::Views *>(this)))
    {
    }
    ~Trace() override
    {
        screen_.Attach(progress_);
        screen_.Attach(views_);
    }
    void Start()
    {
        lines_.clear();
        clock_.start();
        last_ = Usage::Now(clock_);
        counts_ = 0;
        inCounts_ = {};
    }
    // Ends the trace; returns its length in milliseconds.
    double Stop()
    {
        Timed(QStringLiteral("drawn"), [] {});
        return last_.wallMs;
    }
    void Print() const
    {
        for (const QString &line : lines_)
            std::fprintf(stderr, "  %s\n", qPrintable(line));
    }

    void Show(const QString &activity, const QString &current, const QString &total) override
    {
        Timed("show " + activity, [&] { progress_->Show(activity, current, total); });
    }
    void SetCounts(const QString &current, const QString &total) override
    {
        const Usage before = Usage::Now(clock_);
        progress_->SetCounts(current, total);
        inCounts_ += Usage::Now(clock_) - before;
        ++counts_;
    }
    void Unload() override
    {
        Timed(QStringLiteral("unload"), [&] { progress_->Unload(); });
    }
    void RebuildTree(const std::vector<Functions::TreeNode> &nodes) override
    {
        Timed(QStringLiteral("tree of %1 nodes").arg(nodes.size()), [&] { views_->RebuildTree(nodes); });
    }
    void RefillList(const QStringList &rows) override
    {
        Timed(QStringLiteral("list of %1 rows").arg(rows.size()), [&] { views_->RefillList(rows); });
    }
    void ShowTree(bool tree) override { views_->ShowTree(tree); }

private:
    template <class F>
    void Timed(const QString &what, F &&work)
    {
        const Usage begin = Usage::Now(clock_);
        lines_ << QStringLiteral("%1 ms  before %2: %3").arg(begin.wallMs, 7, 'f', 1).arg(what, (begin - last_).Text());
        if (counts_ > 0)
            lines_ << QStringLiteral("            of which %1 counts shown: %2").arg(counts_).arg(inCounts_.Text());
        work();
        last_ = Usage::Now(clock_);
        lines_ << QStringLiteral("%1 ms  %2: %3, %4 MiB held")
                      .arg(begin.wallMs, 7, 'f', 1)
                      .arg(what, (last_ - begin).Text())
                      .arg(ResidentKiB() / 1024.0, 0, 'f', 1);
        counts_ = 0;
        inCounts_ = {};
    }

    Screen::Surface &screen_;
    Screen::Progress *progress_;
    Screen::Views *views_;
    QElapsedTimer clock_;
    Usage last_;
    QStringList lines_;
    int counts_ = 0;
    Usage inCounts_;
};

// A child process's figure: the memory held once the main window, started on the
// application directory `dir`, has added `library` when one is given, or has loaded
// the start-up playlist alone otherwise.
int RunMemoryChild(int argc, char **argv, const QString &dir, const QString &library)
{
    Startup::PrepareEnvironment();
    QApplication app(argc, argv);
    Platform::SetApplicationDirectory(dir);
    Startup::Program program({});
    Main *const main = &program.window();
    main->show();
    QTimer::singleShot(0, [&] {
        if (!library.isEmpty()) {
            Trace trace(program.jukebox().model().screen);
            trace.Start();
            AddThroughTheWindows(*main, library);
            trace.Stop();
            if (Tracing())
                trace.Print();
        }
        std::printf("%ld\n", ResidentKiB());
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// The median of a few children's figures, in MiB.
double MemoryOfChildren(const QStringList &arguments)
{
    std::vector<double> held;
    for (int r = 0; r < MemoryRuns; ++r) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        child.waitForFinished(-1);
        held.push_back(child.readAllStandardOutput().trimmed().toDouble() / 1024.0);
    }
    return Bench::Median(held);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--memory")
        return RunMemoryChild(argc, argv, QString::fromLocal8Bit(argv[2]), argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());

    Startup::PrepareEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir appDir, made;
    Platform::SetApplicationDirectory(appDir.path());
    const QString library = Bench::Library(made);
    if (library.isEmpty())
        return 1;
    const std::string libraryPath = QFile::encodeName(library).toStdString();

    Startup::Program program({});
    Main *const main = &program.window();
    main->show();
    QCoreApplication::processEvents();
    Trace trace(program.jukebox().model().screen);
    // From a cleared catalogue, as the Clear button leaves it.
    const auto add = [&] {
        Click(main, "cmd_clear");
        QCoreApplication::processEvents();
        trace.Start();
        AddThroughTheWindows(*main, library);
        return trace.Stop();
    };
    const auto floor = [&] {
        QElapsedTimer t;
        t.start();
        Bench::ReferenceWalk(libraryPath);
        return t.nsecsElapsed() / 1e6;
    };
    const auto report = [&](const char *what, int run, double addition, double floorMs) {
        if (!Tracing())
            return;
        std::fprintf(stderr, "%s %d: %.1f ms, floor %.1f ms\n", what, run, addition, floorMs);
        trace.Print();
    };

    // One of each first, so that both find the library in memory.
    floor();
    add();
    std::vector<double> floors, additions;
    for (int r = 0; r < Runs; ++r) {
        floors.push_back(floor());
        additions.push_back(add());
        report("addition", r, additions.back(), floors.back());
    }
    Bench::Print("gui_add_ratio", *std::max_element(additions.begin(), additions.end()) / Bench::Median(floors), "x");

    if (Bench::DropPageCache()) {
        std::vector<double> floors, additions;
        for (int r = 0; r < ColdRuns; ++r) {
            Bench::DropPageCache();
            floors.push_back(floor());
            Bench::DropPageCache();
            additions.push_back(add());
            report("addition from the disk", r, additions.back(), floors.back());
        }
        Bench::Print("gui_add_cold_ratio", Bench::Median(additions) / Bench::Median(floors), "x");
    } else {
        std::fprintf(stderr, "gui_add_cold_ratio: the page cache can be dropped only by root\n");
        Bench::Print("gui_add_cold_ratio", std::nan(""), "x");
    }

    // The same songs for the start-up, from a playlist saved as slot 0 is.
    QTemporaryDir addedDir, startedDir;
    WorkUnderWay work;
    Screen::Surface quiet{work};
    Functions::SavePlaylist(quiet, QStringLiteral("playlist0.txt"), program.jukebox().model().catalogue.Table());
    QFile::copy(appDir.filePath(QStringLiteral("playlist0.txt")), startedDir.filePath(QStringLiteral("playlist0.txt")));
    const double afterAddition = MemoryOfChildren({QStringLiteral("--memory"), addedDir.path(), library});
    const double afterStartup = MemoryOfChildren({QStringLiteral("--memory"), startedDir.path()});
    Bench::Print("add_rss_over_startup_mib", afterAddition - afterStartup, "MiB");
    return program.jukebox().model().catalogue.SongCount() == 32767 ? 0 : 1;
}
