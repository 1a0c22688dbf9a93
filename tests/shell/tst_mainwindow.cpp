#include "ShellTestSupport.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include "core/ArchiveStore.h"
#include "core/CProgressBar.h"
#include "core/MsgBox.h"
#include "core/PictureBox.h"
#include "shell/frmMain.h"
#include "core/mConstants.h"
#include "core/Database.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <cmath>

namespace {
const QStringList kMatchTables{QStringLiteral("GAME"), QStringLiteral("MATCH"), QStringLiteral("PLAY"),
                               QStringLiteral("PLAYED")};

// A roster and one match under way, with its game, actions and participation.
void SeedMatch(TestApp& app)
{
    const RecordId home = app.addTeam(QStringLiteral("Falcons"));
    const RecordId away = app.addTeam(QStringLiteral("O'Hara's Hawks"));
    const RecordId p1 = app.addPlayer(home, QStringLiteral("Ana"), 7);
    app.addPlayer(away, QStringLiteral("Bea"), 12);
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
            {QStringLiteral("2026-03-01 18:00:00"), Bind(home), Bind(away)});
    Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, 1, 3, 2)"),
            {QStringLiteral("2026-03-01 18:00:00"), QStringLiteral("2026-03-01 18:00:00")});
    Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT) VALUES (?, ?, ?, 4, 1, 1)"),
            {QStringLiteral("2026-03-01 18:00:00"), QStringLiteral("2026-03-01 18:05:00"), Bind(p1)});
    Execute(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"),
            {QStringLiteral("2026-03-01 18:00:00"), Bind(p1)});
}

QMap<QString, int> CountsInFile(const QString& path)
{
    QMap<QString, int> counts;
    for (const QString& table : kMatchTables + QStringList{QStringLiteral("TEAM"), QStringLiteral("PLAYER")})
        counts[table] = CountInFile(path, table);
    return counts;
}

enum class Way { Menu, ToolBar, CloseBox };
}  // namespace
Q_DECLARE_METATYPE(Way)

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<frmMain> m_main;

    frmMain* load()
    {
        m_main = std::make_unique<frmMain>();
        QString error;
        if (!m_main->Form_Load(m_app->dir(), &error))
            qWarning("main window did not load: %s", qPrintable(error));
        m_main->resize(1000, 700);
        m_main->show();
        m_main->activateWindow();
        return m_main.get();
    }

    void leave(frmMain* main, Way way)
    {
        switch (way) {
        case Way::Menu:
            Child<QAction>(main, QStringLiteral("mnuExit"))->trigger();
            break;
        case Way::ToolBar:
            QTest::mouseClick(Child<QToolButton>(main, QStringLiteral("cmdToolBar_4")), Qt::LeftButton);
            break;
        case Way::CloseBox:
            main->windowHandle()->close();
            break;
        }
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
    }

    void cleanup()
    {
        if (m_main)
            m_main->hide();
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
        m_main.reset();
        m_app.reset();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void leavingAsksAndForgetsOnlyTheMatches_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<bool>("yes");
        QTest::newRow("menu, yes") << Way::Menu << true;
        QTest::newRow("menu, no") << Way::Menu << false;
        QTest::newRow("tool bar, yes") << Way::ToolBar << true;
        QTest::newRow("tool bar, no") << Way::ToolBar << false;
        QTest::newRow("close box, yes") << Way::CloseBox << true;
        QTest::newRow("close box, no") << Way::CloseBox << false;
    }

    void leavingAsksAndForgetsOnlyTheMatches()
    {
        QFETCH(Way, way);
        QFETCH(bool, yes);
        SeedMatch(*m_app);
        frmMain* main = load();
        const auto before = CountsInFile(m_app->dbPath());
        QCOMPARE(before.value(QStringLiteral("PLAY")), 1);
        QSignalSpy leaving(main, &frmMain::leaving);

        MsgBoxHook::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        leave(main, way);

        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const auto asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.prompt, QStringLiteral("Are you sure you would like to leave Sidelines?"));
        QCOMPARE(asked.title, QStringLiteral("Exit"));
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.icon, QMessageBox::Question);

        const auto after = CountsInFile(m_app->dbPath());
        if (yes) {
            for (const QString& table : kMatchTables)
                QCOMPARE(after.value(table), 0);
            QCOMPARE(after.value(QStringLiteral("TEAM")), 2);
            QCOMPARE(after.value(QStringLiteral("PLAYER")), 2);
            // Kept in the archive first.
            for (const QString& table : kMatchTables)
                QCOMPARE(CountInFile(ArchiveStore::DefaultPath(), table), before.value(table));
            QVERIFY(!main->isVisible());
            QCOMPARE(leaving.count(), 1);
        } else {
            QCOMPARE(after, before);
            QVERIFY(!QFileInfo::exists(ArchiveStore::DefaultPath()));
            QVERIFY(main->isVisible());
            QCOMPARE(leaving.count(), 0);
        }
    }

    // The user can always leave. When the database refuses the emptying (read-only, or damaged
    // while running), that is said and the program still ends, with nothing half-emptied.
    void refusedEmptyingIsSaidAndTheProgramStillEnds_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("said");
        QTest::newRow("read-only") << QStringLiteral("PRAGMA query_only = 1") << QStringLiteral("readonly");
        QTest::newRow("a table gone") << QStringLiteral("DROP TABLE PLAYED") << QStringLiteral("PLAYED");
    }

    void refusedEmptyingIsSaidAndTheProgramStillEnds()
    {
        QFETCH(QString, damage);
        QFETCH(QString, said);
        SeedMatch(*m_app);
        frmMain* main = load();
        Execute(damage);
        QSignalSpy leaving(main, &frmMain::leaving);
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        main->windowHandle()->close();
        QCOMPARE(MsgBoxHook::asked().size(), 2);
        QVERIFY2(MsgBoxHook::asked().at(1).prompt.contains(said, Qt::CaseInsensitive),
                 qPrintable(MsgBoxHook::asked().at(1).prompt));
        QCOMPARE(leaving.count(), 1);
        Execute(QStringLiteral("PRAGMA query_only = 0"));
        for (const QString& table : {QStringLiteral("GAME"), QStringLiteral("MATCH"), QStringLiteral("PLAY")})
            QCOMPARE(CountInFile(m_app->dbPath(), table), 1);
    }

    // A database file taken away while the program runs is named as such.
    void vanishedDatabaseIsNamed()
    {
        load();
        QVERIFY(QFile::remove(m_app->dbPath()));
        QVERIFY(!RunCommand([] { throw DbError(QStringLiteral("attempt to write a readonly database"), QString()); }));
        QVERIFY2(MsgBoxHook::prompts().value(0).contains(QLatin1String("no longer there")),
                 qPrintable(MsgBoxHook::prompts().value(0)));
    }

    // Each command, from its menu and from its tool bar twin, shows the user the same windows and
    // messages; the five that wait do so over the main window only (the windows they open keep
    // the normal pointer), and no pointer is left behind.
    void commandsAndTheirToolBarTwins_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("toolBar"); // -1: none
        QTest::addColumn<bool>("busy");
        QTest::newRow("Start Match") << QStringLiteral("mnuStartMatch") << 0 << true;
        QTest::newRow("Add Player") << QStringLiteral("mnuAddPlayer") << 1 << true;
        QTest::newRow("Add Team") << QStringLiteral("mnuAddTeam") << 2 << true;
        QTest::newRow("Report Wizard") << QStringLiteral("mnuRepWiz") << 3 << false;
        QTest::newRow("Exit") << QStringLiteral("mnuExit") << 4 << false;
        QTest::newRow("Match") << QStringLiteral("mnuMatch") << -1 << true;
        QTest::newRow("Tips") << QStringLiteral("mnuTips") << -1 << true;
        QTest::newRow("Edit a Team") << QStringLiteral("mnuEditTeam") << -1 << false;
        QTest::newRow("Edit a Player") << QStringLiteral("mnuEditPlayer") << -1 << false;
        QTest::newRow("Delete Team") << QStringLiteral("mnuDelTeam") << -1 << false;
        QTest::newRow("Delete Player") << QStringLiteral("mnuDelPlayer") << -1 << false;
    }

    void commandsAndTheirToolBarTwins()
    {
        QFETCH(QString, menu);
        QFETCH(int, toolBar);
        QFETCH(bool, busy);
        // Two teams with players, so that each command gets as far as its first window.
        const RecordId a = m_app->addTeam(QStringLiteral("Falcons"));
        const RecordId b = m_app->addTeam(QStringLiteral("Hawks"));
        for (int i = 1; i <= 6; ++i) {
            m_app->addPlayer(a, QStringLiteral("A%1").arg(i), i);
            m_app->addPlayer(b, QStringLiteral("B%1").arg(i), i + 10);
        }
        frmMain* main = load();
        // Every window is cancelled, every question answered No.
        using Seen = std::pair<QStringList, QStringList>;
        auto run = [&](const std::function<void()>& press) {
            MsgBoxHook::clear();
            MsgBoxHook::setNextAnswer(QMessageBox::No);
            ModalWatch watch;
            press();
            for (const auto& seen : watch.seen())
                [&] { QVERIFY2(seen.busyPointer == busy, qPrintable(seen.title)); }();
            [&] {
                QVERIFY(QApplication::overrideCursor() == nullptr);
                QVERIFY(main->cursor().shape() != Qt::WaitCursor);
            }();
            return Seen(watch.titles(), MsgBoxHook::prompts());
        };
        const Seen fromMenu = run([&] { Child<QAction>(main, menu)->trigger(); });
        QVERIFY2(!fromMenu.first.isEmpty() || !fromMenu.second.isEmpty(), "the command showed nothing at all");
        if (toolBar >= 0) {
            auto* button = Child<QToolButton>(main, QStringLiteral("cmdToolBar_%1").arg(toolBar));
            const Seen fromToolBar = run([&] { QTest::mouseClick(button, Qt::LeftButton); });
            QCOMPARE(main->focusWidget(), Child<QWidget>(main, QStringLiteral("cmdFocus")));
            QCOMPARE(fromToolBar, fromMenu);
        }
        // Cancelled, so nothing was stored and the window is still there.
        QCOMPARE(m_app->count(QStringLiteral("TEAM")), 2);
        QCOMPARE(m_app->count(QStringLiteral("PLAYER")), 12);
        QCOMPARE(m_app->count(QStringLiteral("MATCH")), 0);
        QVERIFY(main->isVisible());
    }

    void statusLineAndGaugeFollowALongOperation()
    {
        frmMain* main = load();
        auto* status = Child<QLabel>(main, QStringLiteral("lblStatus"));
        auto* gauge = Child<PictureBox>(main, QStringLiteral("picGauge"));
        QVERIFY(status && gauge);
        QCOMPARE(pubProgress().canvas(), gauge);
        QCOMPARE(pubProgress().min(), 0);
        const int segments = pubProgress().segmentCount();
        QVERIFY(segments > 4);
        // The gauge fitted its canvas to a whole number of segments.
        QCOMPARE(gauge->innerWidth(), segments * (pubProgress().segmentWidth() + pubProgress().gap()) + pubProgress().gap());

        auto litInCanvas = [&] {
            const QImage image = gauge->surface().toImage();
            int lit = 0;
            const int y = pubProgress().margin() + pubProgress().segmentHeight() / 2;
            for (int i = 0; i < segments; ++i) {
                const int x = pubProgress().margin() + i * (pubProgress().segmentWidth() + pubProgress().gap()) + 2;
                const QColor c = image.pixelColor(x, y);
                if (c == QColor(0x80, 0x80, 0x80))
                    ++lit;
                else if (c != QColor(0xC0, 0xC0, 0xC0))
                    return -1;
            }
            return lit;
        };
        {
            ProgressScope scope(QStringLiteral("Loading all the Teams..."), 4);
            QCOMPARE(status->text(), QStringLiteral("Loading all the Teams..."));
            scope.step(2);
            QCOMPARE(litInCanvas(), static_cast<int>(std::nearbyint(segments / 2.0)));  // a half goes to the even neighbour
            scope.step(4);
            QCOMPARE(litInCanvas(), segments);
        }
        QCOMPARE(status->text(), QString());
        QCOMPARE(litInCanvas(), 0);
    }

    void backgroundRepeatsBelowTheToolBarStrip_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("large monitor") << QSize(2400, 1300);
    }

    void backgroundRepeatsBelowTheToolBarStrip()
    {
        QFETCH(QSize, size);
        frmMain* main = load();
        main->resize(size);
        QCoreApplication::processEvents();
        auto* strip = Child<QWidget>(main, QStringLiteral("panalMain"));
        auto* status = Child<QWidget>(main, QStringLiteral("panelMain"));
        auto* tile = Child<QLabel>(main, QStringLiteral("Image1_3"));
        QVERIFY(strip && status && tile);
        QVERIFY(!tile->pixmap().isNull());
        const int top = strip->mapTo(main, QPoint(0, strip->height())).y();
        const int bottom = status->mapTo(main, QPoint(0, 0)).y();
        const int step = tile->width();
        QVERIFY(step > 0 && tile->height() == step);
        // More than one copy fits across and down, even on the laptop.
        QVERIFY(main->width() > 2 * step && bottom - top > 2 * step);

        const QImage shot = main->grab().toImage();
        const QImage picture = tile->pixmap().toImage().scaled(tile->size());
        int compared = 0;
        for (int y = top + 3; y + step < bottom; y += 37) {
            for (int x = 3; x + step < main->width(); x += 41) {
                QCOMPARE(shot.pixel(x, y), shot.pixel(x + step, y));
                QCOMPARE(shot.pixel(x, y), shot.pixel(x, y + step));
                ++compared;
            }
        }
        QVERIFY(compared > 50);
        // The first copy starts right under the strip; the strip keeps its own colour.
        QCOMPARE(shot.pixel(step / 2, top + step / 2), picture.pixel(step / 2, step / 2));
        const QColor stripColour = strip->palette().color(QPalette::Window);
        QCOMPARE(shot.pixelColor(main->width() - 20, strip->mapTo(main, QPoint(0, strip->height() / 2)).y()), stripColour);
    }
};

SIDELINES_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
