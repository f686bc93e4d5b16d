// The main window's keys, seen before the focused control and passed on to it.
#include "platform/keyed_tree.h"
#include "state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class KeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::MainFixture> shownWindow(const QString &mode)
    {
        Songs.clear();
        SortBy = mode;
        auto f = std::make_unique<TestSupport::MainFixture>();
        TestSupport::SetCatalogue(*f->main, {{"A", "a1", "/m/a1.mp3"}, {"B", "b1", "/m/b1.mp3"}, {"C", "c1", "/m/c1.mp3"}});
        f->main->chk_shuffle->setChecked(false);
        const bool list = mode != QStringLiteral("TAS");
        f->main->List1->setVisible(list);
        f->main->TreeView1->setVisible(!list);
        f->main->show();
        f->main->activateWindow();
        if (!QTest::qWaitForWindowActive(f->main.get()))
            qWarning("main window not active");
        return f;
    }

private slots:
    void equalsPlaysTheNextSongOnceFromTheList()
    {
        auto f = shownWindow("LAS");
        f->main->List1->setFocus();
        QTest::keyClick(f->main->List1, Qt::Key_Equal);
        QCOMPARE(f->player->opened.size(), 1);
    }

    void minusTogglesShuffleWithAnyModifiers()
    {
        auto f = shownWindow("TAS");
        f->main->cmd_play->setFocus();
        QTest::keyClick(f->main->cmd_play, Qt::Key_Minus);
        QVERIFY(f->main->chk_shuffle->isChecked());
        QTest::keyClick(f->main->cmd_play, Qt::Key_Underscore, Qt::ShiftModifier);
        QVERIFY(!f->main->chk_shuffle->isChecked());
        QTest::keyClick(f->main->cmd_play, Qt::Key_Minus, Qt::KeypadModifier);
        QVERIFY(!f->main->chk_shuffle->isChecked());
        QVERIFY(f->player->opened.isEmpty());
    }

    void tMovesTheFocusToAVisibleTreeOnly()
    {
        auto f = shownWindow("TAS");
        f->main->cmd_play->setFocus();
        QTest::keyClick(f->main->cmd_play, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(f->main->TreeView1->hasFocus());
        f.reset();

        auto g = shownWindow("LAS");
        g->main->cmd_stop->setFocus();
        QTest::keyClick(g->main->cmd_stop, Qt::Key_T);
        QVERIFY(g->main->cmd_stop->hasFocus());
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
