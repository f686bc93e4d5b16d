// SPDX-License-Identifier: GPL-3.0-or-later
// On a real X display the progress window is drawn while a long addition runs, and
// names each of its activities in turn.
#include "core/catalogue/addition.h"
#include "support/ui/main_fixture.h"
#include "support/ui/x_display.h"

#include <QtTest>

namespace {
// Passes the progress on to the window, notes the activity word the window shows after
// each showing, and looks at the screen once the walk is over and the tags are read.
struct Watcher : TestSupport::PassedOnProgress {
    Watcher(Screen::Surface &screen, const QWidget &owner) : PassedOnProgress(screen), owner(owner) {}
    const QWidget &owner;
    QStringList shown;
    QImage onScreen, drawn;

    void Show(const QString &a, const QString &c, const QString &t) override
    {
        previous_->Show(a, c, t);
        frm_Counter &counter = *owner.findChild<frm_Counter *>();
        shown << counter.Label1->text();
        if (a != QLatin1String("Tagging"))
            return;
        const QRect area(counter.mapToGlobal(QPoint(0, 0)), counter.size());
        onScreen = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        drawn = counter.grab().toImage();
    }
};
} // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowIsDrawnWhileTheWorkGoesOnAndNamesEachActivity()
    {
        QTemporaryDir library;
        for (int i = 0; i < 3000; ++i)
            TestSupport::WriteFile(library.filePath(QStringLiteral("d%1/s%2.mp3").arg(i % 30).arg(i)), "");
        TestSupport::MainFixture f;
        f.main->show();
        Watcher watcher(f.model().screen, *f.main);
        AddDirectory(f.model(), library.path());
        QCOMPARE(watcher.shown, (QStringList{"Adding Files", "Tagging", "Sorting"}));
        QVERIFY(!f.main->findChild<frm_Counter *>());
        QCOMPARE(watcher.onScreen.size(), watcher.drawn.size());
        // The screen holds the window's own drawing (a window never drawn would be black).
        int same = 0;
        for (int y = 0; y < watcher.drawn.height(); ++y)
            for (int x = 0; x < watcher.drawn.width(); ++x)
                same += watcher.onScreen.pixel(x, y) == watcher.drawn.pixel(x, y);
        QVERIFY2(same > watcher.drawn.width() * watcher.drawn.height() * 95 / 100, qPrintable(QString::number(same)));
    }
};

int main(int argc, char *argv[])
{
    TestSupport::XDisplay display;
    qputenv("DISPLAY", display.name().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ProgressWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "progress_window_test.moc"
